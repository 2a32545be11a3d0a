// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of a help file's table of contents.
struct HelpContentsEntry
{
    int depth = 0;     // 0 for the top level, 1 for the entries below it, ...
    std::string name;  // the text shown
    std::string local; // the topic it opens, relative to the file's root; may be empty

    bool operator==(const HelpContentsEntry&) const = default;
};

// Reads a contents file (.hhc): HTML whose nested lists hold one "text/sitemap" object per
// entry, with the parameters "Name" and "Local". Returns the entries in order with their depth.
// Unknown markup, missing end tags and entries without a name are passed over. Entries
// nested deeper than kMaxContentsDepth are put at that depth, under the last entry above it,
// so that the tree that shows them stays shallow enough to draw. What is shown stays as small
// as a real help file's, whatever the file holds: the first kMaxContentsEntries entries, a name
// longer than a line cut to kMaxContentsNameChars characters and an ellipsis, and a topic longer
// than any path in a help file left out.
constexpr int kMaxContentsDepth = 32;
constexpr std::size_t kMaxContentsEntries = 2000;
constexpr std::size_t kMaxContentsNameChars = 80;
constexpr std::size_t kMaxContentsTopicBytes = 1024;
std::vector<HelpContentsEntry> ParseHelpContents(std::string_view sitemap);
