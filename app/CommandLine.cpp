// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Usage: tapnest [--help | --version]\n"
    "Safe keyboard and mouse play for a very young child. A parent sets it up in the\n"
    "welcome dialog and presses Start; a full-screen window then takes over, and every\n"
    "key and click shows a picture with its own sound until the parent types the quit\n"
    "word.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Without an option the welcome dialog opens; other arguments are ignored.\n";

int Answer(std::ostream& out, std::string_view text)
{
    out << text << std::flush;
    return out ? 0 : 1;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help")
            return Answer(out, kHelp);
        if (argument == "--version")
            return Answer(out, "tapnest " TAPNEST_VERSION "\n");
    }
    return std::nullopt;
}
