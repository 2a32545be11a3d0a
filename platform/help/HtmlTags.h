// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One tag of an HTML text.
struct HtmlTag
{
    std::string name; // folded to upper case, with a leading '/' for an end tag
    std::string_view attributes;
    std::size_t start = 0; // where its '<' is
};

// Reads tags one by one and passes over the text and comments between them.
class HtmlTagReader
{
public:
    explicit HtmlTagReader(std::string_view html) : m_html(html) {}

    // The next tag; none once the text holds no more, or a tag that never ends.
    std::optional<HtmlTag> Next();

private:
    std::string_view m_html;
    std::size_t m_at = 0;
};
