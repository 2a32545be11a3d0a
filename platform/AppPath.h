#pragma once

#include <string>

// Records installDir as "AppPath" for other programs (system scope,
// organisation "Quillwork", application "Tapnest", group "2.0"); fails
// silently without the rights.
void WriteAppPath(const std::string& installDir);
