// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Records installDir as "AppPath" for other programs in the user's own settings
// (below $XDG_CONFIG_HOME, organisation "Quillwork", application "Tapnest", group
// "2.0"), whoever runs the program: nothing is written where a removed package
// would leave it behind. A failed write is not shown.
void WriteAppPath(const std::string& installDir);
