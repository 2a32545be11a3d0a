// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/TempLibrary.h"

#include <string>
#include <string_view>
#include <vector>

// One file of a help project: its path below the project folder and its bytes.
struct HelpSource
{
    std::string path;
    std::string bytes;
};

// Compiles a help file with chmcmd, as the build compiles the program's help, from `sources`
// and a project whose title is `title`, default topic "index.html" and contents file
// "toc.hhc". The file is laid at `relative` in the library; returns its full path. A failing
// compiler fails the test.
std::string CompileHelpFile(const TempLibrary& library, std::string_view relative,
                            const std::vector<HelpSource>& sources,
                            std::string_view title = "Sample Help");

// A small help project whose pages link to each other, to a page in a subfolder with a red
// picture, to the web and to a page that is not there:
//   index.html         "Index page": links "To the questions" (Faq.html#second), "Deeper"
//                      (sub/page.html), "Web" (https://example.org/x) and "Nowhere"
//                      (missing.html)
//   Faq.html           "Questions page" with the anchors "first" and "second"
//   sub/page.html      "Deeper page": the 40 x 40 picture red.png and "Home" (../index.html)
//   red.png            pure red
//   toc.hhc            Index > (Questions > Second (Faq.html#second), Deeper)
std::vector<HelpSource> SampleHelpSources();
