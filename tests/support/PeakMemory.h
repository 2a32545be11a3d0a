// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// How far the process's resident memory rose above where it stood when the
// object was made: its peak since then (the kernel's high-water mark, reset
// at the start) less the resident size at the start. Counts what C libraries
// allocate too, which the allocation probe does not see.
class PeakMemoryProbe
{
public:
    PeakMemoryProbe();
    std::int64_t GrowthBytes() const;
    // The resident peak itself since the object was made.
    static std::int64_t PeakBytes();

private:
    std::int64_t m_startBytes;
};
