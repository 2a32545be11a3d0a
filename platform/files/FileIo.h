// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/FileResult.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Reads at most `maxBytes` bytes from the start of a file; nullopt when the
// file cannot be opened or read. Never allocates more than the file holds.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::uint64_t maxBytes);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so that a failed write leaves the old file whole. On any failure the
// temporary file is removed and the result tells why.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies `source` byte for byte to a temporary file beside `target` and
// renames it over `target` (a symbolic link there is replaced, its target is
// left alone). `onProgress`, if given, hears the bytes copied so far after
// each block. On any failure `target` stays as it was; the result names the
// source when it could not be read, else the target.
FileResult CopyFileAtomically(const std::string& source, const std::string& target,
                              const std::function<void(std::uint64_t)>& onProgress = {});

// Removes a file; a symbolic link is removed as a link.
FileResult RemoveFile(const std::string& path);

// Whether a file is there that its owner made read-only: no write permission for anyone.
// Replacing it would override that. (A file another user may write is no such file: in a
// folder this process may write, it is replaced as ever.)
bool IsReadOnlyFile(const std::string& path);

// The temporary files beside targets are named ".tapnest-<pid>-<n>.tmp", whatever the
// target's name. Removes those in `dir` whose process is gone: what a killed session left.
// Nothing else is touched, a file with a similar name included.
void RemoveLeftoverTemporaries(const std::string& dir);
