// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the program and the help file's reader (tapnest-help-reader, see ChmChild) say to
// each other over a socket, one request and its answer at a time. The reader greets with an
// answer once it has opened the file. A request: its kind, the 64-bit limit of the bytes
// wanted, the 32-bit length of the object path, the path. An answer: whether the object is
// there, the 64-bit length of the bytes, the bytes. Lengths are little-endian.
enum class HelpRequest : char {
    Holds = 'H',        // an empty answer when the object is there
    Read = 'R',         // the object's bytes, no more than the limit asked for
    FindContents = 'C', // the path of the first contents file (.hhc) the file lists
};

inline constexpr std::size_t kHelpRequestHeaderBytes = 13;
inline constexpr std::size_t kHelpAnswerHeaderBytes = 9;

std::string HelpRequestBytes(HelpRequest request, std::string_view objectPath,
                             std::uint64_t maxBytes);
std::string HelpAnswerHeader(bool there, std::uint64_t length);
// The little-endian number of `count` bytes at `bytes`.
std::uint64_t FromLittleEndian(const char* bytes, int count);

// Writes all of `bytes`; false when the other side is gone. Never raises SIGPIPE.
bool SendAll(int socket, std::string_view bytes);
// Reads exactly `size` bytes, waiting no later than `deadline` when there is one.
bool ReceiveAll(int socket, char* data, std::size_t size,
                std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt);
