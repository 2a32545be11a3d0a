// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Letter case is folded for A-Z only: names on disk are bytes, and any byte
// outside ASCII (UTF-8 or not) must compare as itself.
constexpr char FoldAsciiCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i]))
            return false;
    }
    return true;
}

inline std::string FoldedAsciiCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = FoldAsciiCase(c);
    return folded;
}
