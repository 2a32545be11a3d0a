// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/FileResult.h"

#include <string>

// Creates one folder (its parent must exist). Fails when it cannot be made or already exists.
FileResult MakeFolder(const std::string& path);

// Removes an empty folder; a symbolic link is removed as a link, whatever it points at and
// whatever that holds. Fails, for example, when the folder is not empty. Failures other than
// a folder that is not empty are recorded in the "tapnest.files" trail, as are those of
// MakeFolder.
FileResult RemoveFolder(const std::string& path);
