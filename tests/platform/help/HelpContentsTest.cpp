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
// ampersands: read in one pass, the depth held at its bound.
TEST(HelpContents, DeepNestingAndLongValuesStayCheap)
{
    const std::string entry = "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"E\">"
                              "</object>";
    std::string deep;
    for (int level = 0; level < 100000; ++level)
        deep += "<ul>" + entry;
    const Entries entries = ParseHelpContents(deep);
    ASSERT_EQ(entries.size(), 100000u);
    EXPECT_EQ(entries[kMaxContentsDepth].depth, kMaxContentsDepth);
    EXPECT_EQ(entries.back().depth, kMaxContentsDepth);
    EXPECT_EQ(entries[kMaxContentsDepth - 1].depth, kMaxContentsDepth - 1);

    const std::string ampersands(1 << 20, '&');
    const Entries longName =
        ParseHelpContents("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"" +
                          ampersands + "&#x10FFFF;&#x010FFFF;\"></object></ul>");
    ASSERT_EQ(longName.size(), 1u);
    EXPECT_EQ(longName[0].name, ampersands + "\xF4\x8F\xBF\xBF&#x010FFFF;")
        << "entities are at most eight characters long";
}

} // namespace
