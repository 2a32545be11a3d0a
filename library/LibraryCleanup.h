// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Removes what a killed session may have left in the library below `installDir`, and only
// that: the temporary files of its writes and copies (in the library's folder and in each
// folder directly below it), and an empty folder named as a new group is named (a UUID) that
// holds no group file, left by adding a group whose first save never finished. Folders reached
// through a symbolic link are never entered.
void RemoveKilledSessionLeftovers(const std::string& installDir);
