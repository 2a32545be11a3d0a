#pragma once

#include <cstdint>
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
