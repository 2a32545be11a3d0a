// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// While an object of this class lives, the size of the largest single
// allocation made through operator new is recorded, so that a test can show
// that damaged input does not make the code reserve memory it claims.
class AllocationProbe
{
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    std::size_t Largest() const;
};
