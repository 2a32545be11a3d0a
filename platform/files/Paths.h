#pragma once

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

// Full path of the running program file (from /proc/self/exe), or the path
// set by OverrideProgramFilePath.
std::string ProgramFilePath();

// Test seam: makes ProgramFilePath return the given path; an empty path
// restores the real one.
void OverrideProgramFilePath(const std::string& path);
