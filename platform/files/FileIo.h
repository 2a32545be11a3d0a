#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Reads at most `maxBytes` bytes from the start of a file; nullopt when the
// file cannot be opened or read. Never allocates more than the file holds.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::uint64_t maxBytes);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so that a failed write leaves the old file whole. Returns false on
// any failure, in which case the temporary file is removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies `source` byte for byte to a temporary file beside `target` and
// renames it over `target` (a symbolic link there is replaced, its target is
// left alone). `onProgress`, if given, hears the bytes copied so far after
// each block. Returns false on any failure, leaving `target` as it was.
bool CopyFileAtomically(const std::string& source, const std::string& target,
                        const std::function<void(std::uint64_t)>& onProgress = {});

// Removes a file; a symbolic link is removed as a link. False on failure.
bool RemoveFile(const std::string& path);
