// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/FileResult.h"
#include "platform/files/FileSearch.h"

#include <cstdint>
#include <string>
#include <vector>

// One picture group as the dialogs hold it.
struct PictureGroup
{
    std::string folderName;
    std::string name;
    std::string description;
    std::int32_t displayed = 0;
};

// What ReadGroupFile found. `complete` is true when all three fields were read.
struct GroupFileContents
{
    bool opened = false;
    bool complete = false;
    std::string name;
    std::string description;
    std::int32_t displayed = 0;

    // The display flag as the program takes it: a group file cut short shows its group to
    // no one, and a group is shown during play when this is not 0.
    std::int32_t DisplayFlag() const { return complete ? displayed : 0; }
};

// The group file "<groupPath>/<folderName>.ini" (found ignoring letter case).
GroupFileContents ReadGroupFile(const std::string& groupPath, const std::string& folderName);
FileResult WriteGroupFile(const std::string& groupPath, const std::string& folderName,
                          const std::string& name, const std::string& description,
                          std::int32_t displayed);

// The cut list "<groupPath>/cutshow.ini": names of the pictures cut to display.
// Entries a damaged file claims but does not hold are left out (they would be
// empty and match nothing).
std::vector<std::string> ReadCutList(const std::string& groupPath);
FileResult WriteCutList(const std::string& groupPath, const std::vector<std::string>& names);
// Which of `pictures` the cut list marks, by exact name (letter case counts),
// in one pass that keeps none of the list's names: a list of millions of
// entries costs its bytes and its time to read, no more.
std::vector<bool> ReadCutMarks(const std::string& groupPath,
                               const std::vector<FoundEntry>& pictures);
