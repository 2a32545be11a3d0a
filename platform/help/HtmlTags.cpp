// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HtmlTags.h"

#include "platform/AsciiCase.h"

#include <algorithm>

namespace {

// The end of the tag that opens at `at`: its '>', skipping quoted attribute values.
std::size_t TagEnd(std::string_view html, std::size_t at)
{
    char quote = 0;
    for (; at < html.size(); ++at) {
        const char c = html[at];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::optional<HtmlTag> HtmlTagReader::Next()
{
    while ((m_at = m_html.find('<', m_at)) != std::string_view::npos) {
        if (m_html.substr(m_at, 4) == "<!--") {
            const std::size_t end = m_html.find("-->", m_at + 4);
            m_at = end == std::string_view::npos ? m_html.size() : end + 3;
            continue;
        }
        const std::size_t end = TagEnd(m_html, m_at + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view inside = m_html.substr(m_at + 1, end - m_at - 1);
        m_at = end + 1;
        if (inside.empty())
            continue;
        const std::size_t nameEnd = std::min(
            inside.size(), inside.find_first_of(" \t\r\n/>", inside.front() == '/' ? 1 : 0));
        return HtmlTag{FoldedAsciiCase(inside.substr(0, nameEnd)), inside.substr(nameEnd),
                       static_cast<std::size_t>(inside.data() - 1 - m_html.data())};
    }
    return std::nullopt;
}
