// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpPage.h"

#include "platform/help/HtmlTags.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// Elements that hold nothing, and those whose end the browser finds by itself (the next item,
// cell or paragraph): neither nests.
constexpr std::array<std::string_view, 20> kUnnested = {
    "AREA",  "BASE",   "BR",    "COL", "EMBED", "HR", "IMG", "INPUT", "LINK", "META",
    "PARAM", "SOURCE", "TRACK", "WBR", "P",     "LI", "TD",  "TH",    "TR",   "OPTION"};

bool Nests(std::string_view name, std::string_view attributes)
{
    const bool selfClosing = !attributes.empty() && attributes.back() == '/';
    return !selfClosing && std::find(kUnnested.begin(), kUnnested.end(), name) == kUnnested.end();
}

// Where the text's first run of more than kMaxPageRun bytes without white space gets too long.
// Tags inside a word do not break it.
std::size_t RunTooLongAt(std::string_view html)
{
    std::size_t run = 0;
    bool inTag = false;
    for (std::size_t at = 0; at < html.size(); ++at) {
        const char c = html[at];
        if (inTag || c == '<') {
            inTag = c != '>';
            continue;
        }
        run = std::isspace(static_cast<unsigned char>(c)) != 0 ? 0 : run + 1;
        if (run > kMaxPageRun)
            return at;
    }
    return html.size();
}

// Counts what a page holds, tag by tag.
class PageCost
{
public:
    // Takes a tag in; false when the page is too costly with it.
    bool Take(const HtmlTag& tag)
    {
        const bool end = tag.name.front() == '/';
        const std::string_view name = end ? std::string_view(tag.name).substr(1) : tag.name;
        if (name == "TABLE")
            m_tables = std::max(0, m_tables + (end ? -1 : 1));
        if (!end && name == "LI")
            ++m_listItems;
        if (!end && (name == "TD" || name == "TH"))
            ++m_cells;
        if (Nests(name, tag.attributes))
            m_open = std::max(0, m_open + (end ? -1 : 1));
        return ++m_tags <= kMaxPageTags && m_open <= kMaxPageNesting &&
               m_tables <= kMaxPageTableNesting && m_listItems <= kMaxPageListItems &&
               m_cells <= kMaxPageTableCells;
    }

private:
    int m_tags = 0;
    int m_open = 0;
    int m_tables = 0;
    int m_listItems = 0;
    int m_cells = 0;
};

} // namespace

std::string_view BoundedHelpPage(std::string_view html)
{
    html = html.substr(0, RunTooLongAt(html));
    HtmlTagReader reader(html);
    PageCost cost;
    while (const std::optional<HtmlTag> tag = reader.Next()) {
        // "a < b" in a text is no tag.
        if (!tag->name.empty() && tag->name != "/" && !cost.Take(*tag))
            return html.substr(0, tag->start);
    }
    return html;
}
