// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One entry of a directory listing.
struct FoundEntry
{
    std::string name; // as the directory lists it, bytes unchanged
    std::string path; // directory, '/', name
    bool isDirectory = false;
};

// Entries of `dir` whose names match `pattern`, ignoring ASCII letter case,
// in the directory's listing order; "." and ".." are never listed.
// Patterns: "*" and "*.*" match every name; "*.ext" matches names whose
// part after the last '.' equals "ext". A missing or unreadable directory
// gives an empty list.
std::vector<FoundEntry> FindFiles(const std::string& dir, std::string_view pattern);

// The path as it exists on disk, each component matched ignoring ASCII letter
// case (an exact match is preferred); nullopt when some component is missing.
std::optional<std::string> ResolveNoCase(const std::string& path);

// Whether the path exists, ignoring ASCII letter case in every component.
bool ExistsNoCase(const std::string& path);
