// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>

// The options the program answers as a Linux program does, before any window or display:
// --help and --version print to `out` and give the exit code, the first of them counting.
// Without either it gives nothing, and the program starts; it reads no other argument.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out);
