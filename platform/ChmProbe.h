#pragma once

#include <string>

// Whether chmlib reads every object of the help file at `path` without crashing, hanging or
// reserving more memory than a help file needs.
// chmlib trusts the sizes and counts in a file's headers, and some damaged files make it
// divide by zero or read wild memory, so the whole file is read in a child process first; a
// damaged file then costs only that child.
bool ChmReadsSafely(const std::string& path);
