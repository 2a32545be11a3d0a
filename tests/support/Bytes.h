// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>

// File contents written out byte by byte, as a test expects them on disk.
inline std::string Bytes(std::initializer_list<unsigned> values)
{
    std::string bytes;
    for (const unsigned value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}
