// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <string>
#include <string_view>

// Joins a directory and a name with one '/'.
std::string JoinPath(std::string_view dir, std::string_view name);

// The directory part of a path: everything before its last '/'.
std::string DirectoryOf(std::string_view path);

// The file-name part of a path: everything after its last '/'.
std::string_view FileNameOf(std::string_view path);

// The part of a file name after its last '.'; empty when the name has none.
std::string_view ExtensionOf(std::string_view name);

// Full path of the running program file (from /proc/self/exe).
std::string ProgramFilePath();

// Test seam: while an object of this class lives, ProgramFilePath returns its path, so that
// the settings find their installation directory beside it.
class ScriptedProgramFile : public TestSeam<ScriptedProgramFile>
{
public:
    explicit ScriptedProgramFile(std::string path) : m_path(std::move(path)) {}

private:
    friend std::string ProgramFilePath();
    std::string m_path;
};
