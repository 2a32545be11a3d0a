// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpPage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A page within every bound is given whole; one beyond a bound is cut just before the tag (or
// byte) that crosses it.
TEST(HelpPage, APageIsCutWhereItWouldCostMoreThanARealOne)
{
    const std::string tables = Repeated("<table><tr><td>", kMaxPageTableNesting);
    const std::string bold = Repeated("<b>x", kMaxPageNesting);
    const std::string items = "<ul>" + Repeated("<li>x", kMaxPageListItems);
    const std::string cells = "<table><tr>" + Repeated("<td>x</td>", kMaxPageTableCells);
    const std::string breaks = Repeated("<br>", kMaxPageTags);
    const std::string word(kMaxPageRun, 'w');
    struct Case
    {
        const char* what;
        std::string within; // given whole
        std::string beyond; // appended, cut off
    };
    const Case cases[] = {
        {"nested tables", tables, "<table><tr><td>x"},
        {"elements left open", bold, "<b>x"},
        {"list items", items, "<li>x</ul>"},
        {"table cells", cells, "<th>x</th></tr></table>"},
        {"tags", breaks, "<br>"},
        {"a word that never breaks", "<p>" + word, "w</p>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // What is given is always the start of the page: its length tells where it was cut.
        EXPECT_EQ(BoundedHelpPage(c.within).size(), c.within.size());
        const std::string page = c.within + c.beyond;
        EXPECT_EQ(BoundedHelpPage(page).size(), c.within.size());
    }
}

// What a real page holds costs nothing: closed elements, paragraphs and items left open,
// elements that hold nothing, and text that merely looks like a tag.
TEST(HelpPage, OrdinaryPagesAreGivenWhole)
{
    const std::string paragraph = "<div><p>Text with a <b>bold</b> <a href=\"x.html\">link</a>"
                                  "<img src=\"a.png\"><br/> and 1 < 2 > 0<p>More";
    const std::string page = "<html><body>" + Repeated(paragraph + "</div>", 200) + "<ul>" +
                             Repeated("<li>item", 100) + "</ul></body></html>";
    EXPECT_EQ(BoundedHelpPage(page).size(), page.size());
    EXPECT_EQ(BoundedHelpPage(""), "");
    EXPECT_EQ(BoundedHelpPage(Repeated("</b>", 100)), Repeated("</b>", 100));
}

} // namespace
