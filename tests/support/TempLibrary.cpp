// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempLibrary.h"

#include "library/PictureGroup.h"
#include "platform/files/Paths.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

TempLibrary::TempLibrary()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tapnest-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        ADD_FAILURE() << "no temporary directory";
    m_installDir = pattern;
}

// Removed byte by byte: names that are not UTF-8 must go too.
TempLibrary::~TempLibrary()
{
    std::error_code error;
    std::filesystem::remove_all(m_installDir, error);
}

std::string TempLibrary::PathOf(std::string_view relative) const
{
    return relative.empty() ? m_installDir : JoinPath(m_installDir, relative);
}

std::string TempLibrary::MakeDir(std::string_view relative) const
{
    const std::string path = PathOf(relative);
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error)
        ADD_FAILURE() << "cannot make " << path << ": " << error.message();
    return path;
}

std::string TempLibrary::WriteFile(std::string_view relative, std::string_view bytes) const
{
    const std::string path = PathOf(relative);
    MakeDir(DirectoryOf(relative));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        ADD_FAILURE() << "cannot write " << path;
    return path;
}

std::string TempLibrary::MakeSymlink(std::string_view relative, const std::string& target) const
{
    const std::string path = PathOf(relative);
    std::error_code error;
    std::filesystem::create_symlink(target, path, error);
    if (error)
        ADD_FAILURE() << "cannot link " << path << ": " << error.message();
    return path;
}

std::string TempLibrary::AddGroup(const TestGroup& group) const
{
    const std::string groupPath = MakeDir(group.folderName);
    if (!WriteGroupFile(groupPath, group.folderName, group.name, group.description,
                        group.displayed) ||
        !WriteCutList(groupPath, group.cutNames))
        ADD_FAILURE() << "cannot write the files of group " << group.folderName;
    for (const std::string& file : group.files)
        WriteFile(JoinPath(group.folderName, file));
    return groupPath;
}

std::string TempLibrary::ReadFile(std::string_view relative) const
{
    std::ifstream file(PathOf(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TempLibrary::ListingOrder(std::string_view relative) const
{
    std::vector<std::string> names;
    DIR* dir = opendir(PathOf(relative).c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

std::vector<std::string> TempLibrary::InListingOrder(std::string_view relative,
                                                     const std::vector<std::string>& names) const
{
    std::vector<std::string> ordered;
    for (std::string& name : ListingOrder(relative)) {
        if (std::find(names.begin(), names.end(), name) != names.end())
            ordered.push_back(std::move(name));
    }
    return ordered;
}

void TempLibrary::PointProgramHere()
{
    m_programFile.emplace(PathOf("tapnest"));
}
