// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/Paths.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a picture group folder made for a test holds.
struct TestGroup
{
    explicit TestGroup(std::string folder, std::vector<std::string> fileNames = {})
        : folderName(std::move(folder)), files(std::move(fileNames))
    {
    }

    std::string folderName;
    std::string name = "Pictures";
    std::string description;
    std::int32_t displayed = 1;
    std::vector<std::string> cutNames;
    std::vector<std::string> files; // created empty, in this order
};

// A content library in a temporary directory that is removed with the
// object. Paths given to it are relative to the installation directory.
// Setup failures are reported as test failures.
class TempLibrary
{
public:
    TempLibrary();
    ~TempLibrary();
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    const std::string& InstallDir() const { return m_installDir; }
    std::string PathOf(std::string_view relative) const;

    // Each returns the full path of what it made; parents are created.
    std::string MakeDir(std::string_view relative) const;
    std::string WriteFile(std::string_view relative, std::string_view bytes = {}) const;
    std::string MakeSymlink(std::string_view relative, const std::string& target) const;
    // A group folder with its group file, cut list and files.
    std::string AddGroup(const TestGroup& group) const;

    std::string ReadFile(std::string_view relative) const;
    // Names in a directory in the order the file system lists them, without
    // "." and "..", read straight from the system as a reference.
    std::vector<std::string> ListingOrder(std::string_view relative = {}) const;
    // Those of `names` that the directory holds, in its listing order.
    std::vector<std::string> InListingOrder(std::string_view relative,
                                            const std::vector<std::string>& names) const;

    // Makes ProgramFilePath() name a program file in this directory, so that
    // the settings find their installation directory here, until the object
    // is destroyed.
    void PointProgramHere();

private:
    std::string m_installDir;
    std::optional<ScriptedProgramFile> m_programFile;
};
