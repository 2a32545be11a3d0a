// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpContents.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<HelpContentsEntry>;

std::string Sitemap(std::string_view name, std::string_view local)
{
    std::string object = "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"";
    object.append(name).append("\"><param name=\"Local\" value=\"");
    return object.append(local).append("\"></OBJECT>\n");
}

TEST(HelpContents, NestedListsGiveTheDepthOfEachEntry)
{
    const std::string hhc = "<HTML><BODY>"
                            "<OBJECT type=\"text/site properties\">"
                            "<param name=\"Window Styles\" value=\"0x800025\"></OBJECT>"
                            "<UL>" +
                            Sitemap("Welcome", "index.html") + "<UL>" +
                            Sitemap("Start", "index.html#start") + "<UL>" +
                            Sitemap("Deep", "a/b.html") + "</UL></UL>" +
                            Sitemap("Questions", "Faq.html") + "</UL></BODY></HTML>";
    EXPECT_EQ(ParseHelpContents(hhc), (Entries{{0, "Welcome", "index.html"},
                                               {1, "Start", "index.html#start"},
                                               {2, "Deep", "a/b.html"},
                                               {0, "Questions", "Faq.html"}}));
}

TEST(HelpContents, AttributeSpellingsEntitiesAndCommentsAreRead)
{
    const std::string hhc =
        "<ul><!-- <li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Hidden\">"
        "</object> -->"
        "<li><object TYPE='TEXT/SITEMAP'><PARAM NAME=name VALUE='Tom &amp; Jerry &#8594; &#x41;'>"
        "<param value=\"x>y.html\" name=\"LOCAL\"></object>"
        "<li><object type=\"text/sitemap\"><param  name = \"Name\"  value = \"Spaced\" /></object>"
        "</ul>";
    EXPECT_EQ(ParseHelpContents(hhc),
              (Entries{{0, "Tom & Jerry \xE2\x86\x92 A", "x>y.html"}, {0, "Spaced", ""}}));
}

TEST(HelpContents, MalformedContentsGiveWhatCanBeRead)
{
    // Unknown objects, nameless entries and stray end tags are passed over; the first Name
    // and Local of an entry count; a list left open keeps its depth.
    const std::string hhc = "</UL></UL><OBJECT type=\"application/x-oleobject\">"
                            "<param name=\"Name\" value=\"Not an entry\"></OBJECT>"
                            "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" "
                            "value=\"nameless.html\"></OBJECT>"
                            "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"One\">"
                            "<param name=\"Local\" value=\"one.html\"><param name=\"Name\" "
                            "value=\"Two\"><param name=\"Local\" value=\"two.html\"></OBJECT>"
                            "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
                            "value=\"Open &bogus; &#0; &#xZZ;\"><param name=\"Local\"";
    EXPECT_EQ(ParseHelpContents(hhc), (Entries{{0, "One", "one.html"}}));
    EXPECT_EQ(ParseHelpContents(hhc + " value=\"x.html\"></OBJECT>"),
              (Entries{{0, "One", "one.html"}, {1, "Open &bogus; &#0; &#xZZ;", "x.html"}}));
    EXPECT_TRUE(ParseHelpContents("").empty());
    EXPECT_TRUE(ParseHelpContents("<<>><ul <li>< object").empty());
}

// A contents file nested 100,000 deep, and attribute values of a megabyte of
// ampersands: read in one pass, the depth held at its bound, the entries at theirs.
TEST(HelpContents, DeepNestingAndLongValuesStayCheap)
{
    const std::string entry = "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"E\">"
                              "</object>";
    std::string deep;
    for (int level = 0; level < 100000; ++level)
        deep += "<ul>" + entry;
    const Entries entries = ParseHelpContents(deep);
    ASSERT_EQ(entries.size(), kMaxContentsEntries);
    EXPECT_EQ(entries[kMaxContentsDepth].depth, kMaxContentsDepth);
    EXPECT_EQ(entries.back().depth, kMaxContentsDepth);
    EXPECT_EQ(entries[kMaxContentsDepth - 1].depth, kMaxContentsDepth - 1);

    const std::string ampersands(1 << 20, '&');
    const Entries longName =
        ParseHelpContents("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"" +
                          ampersands + "\"></object></ul>");
    ASSERT_EQ(longName.size(), 1u);
    EXPECT_EQ(longName[0].name, std::string(kMaxContentsNameChars, '&') + "\u2026");
    EXPECT_EQ(ParseHelpContents("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" "
                                "value=\"&#x10FFFF;&#x010FFFF;\"></object></ul>")
                  .at(0)
                  .name,
              "\xF4\x8F\xBF\xBF&#x010FFFF;")
        << "entities are at most eight characters long";
}

// Names are cut to a line by characters, entities counting as the one character they stand
// for; a topic longer than any path is left out, the entry kept.
TEST(HelpContents, LongNamesAreCutToALineAndLongTopicsLeftOut)
{
    const std::size_t line = kMaxContentsNameChars;
    const std::string longTopic(kMaxContentsTopicBytes + 1, 't');
    const std::string fullTopic(kMaxContentsTopicBytes, 't');
    struct Case
    {
        std::string name, local;
        HelpContentsEntry expected;
    };
    const Case cases[] = {
        {std::string(line, 'a'), "a.html", {0, std::string(line, 'a'), "a.html"}},
        {std::string(line + 1, 'b'), "b.html", {0, std::string(line, 'b') + "\u2026", "b.html"}},
        {"&#xE9;" + std::string(line, 'c'),
         "",
         {0, "\xC3\xA9" + std::string(line - 1, 'c') + "\u2026", ""}},
        {"Long topic", longTopic, {0, "Long topic", ""}},
        {"Full topic", fullTopic, {0, "Full topic", fullTopic}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 20));
        EXPECT_EQ(ParseHelpContents("<ul>" + Sitemap(c.name, c.local) + "</ul>"),
                  Entries{c.expected});
    }
    // Two-byte characters are not split.
    std::string accents;
    for (std::size_t i = 0; i <= line; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(ParseHelpContents(Sitemap(accents, "")).at(0).name,
              accents.substr(0, 2 * line) + "\u2026");
}

} // namespace
