// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// What a help path names: "<file>::/<topic>" a topic of a compiled help file, where the topic
// may end in "#part"; a path without "::" names the file alone.
struct HelpLocation
{
    std::string file;
    std::string topic; // relative to the file's root; empty for the file's default topic

    bool operator==(const HelpLocation&) const = default;
};

HelpLocation SplitHelpPath(std::string_view helpPath);

// Shows a topic of a compiled help file (.chm) in the help window, which belongs to no other
// window and stays open until the user closes it. A later request shows its topic in the same
// window and brings it to the front. A missing or damaged file, or a topic the file lacks,
// does nothing at all.
void ShowHelpPath(const std::string& helpPath);
