// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/help/ChmFile.h"
#include "platform/help/HelpReaderProtocol.h"

#include <sys/types.h>

#include <cstdint>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A help file held open by chmlib in a process of its own, the help file's reader
// (tapnest-help-reader, which lies beside the program file), which answers one request at a
// time. chmlib trusts the sizes, counts and links in a file's headers: a damaged file can make
// it loop for ever, divide by zero or read wild memory. Here that costs only the reader.
// A request the reader does not answer within kAnswerMs fails, the reader is ended, and every
// request after it fails too: the file then counts as missing. Without a reader that starts,
// every file counts as missing.
class ChmChild
{
public:
    static constexpr int kAnswerMs = 250;
    static constexpr char kReaderName[] = "tapnest-help-reader";

    using Request = HelpRequest;

    // The reader for the help file at `path`, once it has opened the file; nullptr when it
    // cannot: missing, no help file, compressed in blocks larger than a help file needs, or
    // no reader to start.
    static std::unique_ptr<ChmChild> Start(const std::string& path);
    ~ChmChild();
    ChmChild(const ChmChild&) = delete;
    ChmChild& operator=(const ChmChild&) = delete;

    // The answer to `request` for `objectPath`; nullopt when the object is not there, or the
    // reader failed (then IsBroken). A Read gives the first `maxBytes` bytes of a longer object.
    std::optional<std::string> Ask(Request request, std::string_view objectPath,
                                   std::uint64_t maxBytes = kMaxHelpObjectBytes);
    bool IsBroken() const { return m_pid < 0; }
    // The reader's process, or -1 once it is ended: for tests.
    pid_t ProcessId() const { return m_pid; }

private:
    ChmChild(pid_t pid, int socket) : m_pid(pid), m_socket(socket) {}
    std::optional<std::string> Answer();
    void End();
    // Ends the reader, which can no longer be trusted, recording why.
    std::optional<std::string> GiveUp(const char* why);

    pid_t m_pid;
    int m_socket;
};
