// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/help/ChmFile.h"

#include <sys/types.h>

#include <cstdint>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A help file held open by chmlib in a child process of its own, which answers one request
// at a time. chmlib trusts the sizes, counts and links in a file's headers: a damaged file can
// make it loop for ever, divide by zero or read wild memory. Here that costs only the child.
// A request the child does not answer within kAnswerMs fails, the child is ended, and every
// request after it fails too: the file then counts as missing.
class ChmChild
{
public:
    static constexpr int kAnswerMs = 250;

    enum class Request : char {
        Holds = 'H',        // an empty answer when the object is there
        Read = 'R',         // the object's bytes, no more than the limit asked for
        FindContents = 'C', // the path of the first contents file (.hhc) the file lists
    };

    // The child for the help file at `path`, once it has opened the file; nullptr when it
    // cannot: missing, no help file, or compressed in blocks larger than a help file needs.
    static std::unique_ptr<ChmChild> Start(const std::string& path);
    ~ChmChild();
    ChmChild(const ChmChild&) = delete;
    ChmChild& operator=(const ChmChild&) = delete;

    // The answer to `request` for `objectPath`; nullopt when the object is not there, or the
    // child failed (then IsBroken). A Read gives the first `maxBytes` bytes of a longer object.
    std::optional<std::string> Ask(Request request, std::string_view objectPath,
                                   std::uint64_t maxBytes = kMaxHelpObjectBytes);
    bool IsBroken() const { return m_pid < 0; }
    // The child's process, or -1 once it is ended: for tests.
    pid_t ProcessId() const { return m_pid; }

private:
    ChmChild(pid_t pid, int socket) : m_pid(pid), m_socket(socket) {}
    std::optional<std::string> Answer();
    void End();
    // Ends the child, which can no longer be trusted, recording why.
    std::optional<std::string> GiveUp(const char* why);

    pid_t m_pid;
    int m_socket;
};
