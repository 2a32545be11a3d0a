// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureGroup.h"
#include "platform/files/FileResult.h"

#include <string>
#include <vector>

// A picture group as the setup dialog lists it: its name, description and flag as its group
// file holds them, its folder name upper-cased, and the folder's path as it lies on disk.
struct FoundGroup
{
    PictureGroup group;
    std::string path;
};

// The picture groups below `installDir`, in directory listing order. A group whose file cannot
// be read completely is listed with what was read before the damage and with its flag 0.
std::vector<FoundGroup> ScanGroups(const std::string& installDir);

// Deletes the files of a group folder, then the folder if that left it empty. A symbolic link
// is removed as a link, whether it is the folder itself or one of its entries, and nothing it
// points at is touched; sub-folders stay. A failure tells the first file or the folder that
// stayed, and why.
FileResult DeleteGroupFolder(const std::string& folderPath);
