#pragma once

#include <string>

// Creates one folder (its parent must exist). False when it cannot be made or already exists.
bool MakeFolder(const std::string& path);

// Removes an empty folder; a symbolic link is removed as a link, whatever it points at and
// whatever that holds. False on failure, e.g. when the folder is not empty. Failures other than
// a folder that is not empty are recorded in the "tapnest.files" trail, as are those of
// MakeFolder.
bool RemoveFolder(const std::string& path);
