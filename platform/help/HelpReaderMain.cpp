// SPDX-License-Identifier: GPL-3.0-or-later
// The help file's reader: holds a help file open with chmlib and answers the program's
// requests for its objects (HelpReaderProtocol.h) on its standard input and output, one
// socket that the program gives it. Started by the program (ChmChild), not by hand:
//   tapnest-help-reader <help file> <the program's process id>
// A damaged file may make chmlib loop, divide by zero or read wild memory: that ends this
// process, and the program counts the file as missing.
#include "platform/help/ChmAnswers.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace {

constexpr int kRequests = STDIN_FILENO;
constexpr int kAnswers = STDOUT_FILENO;

bool Reply(const std::optional<std::string>& answer)
{
    const std::string_view bytes = answer ? std::string_view(*answer) : std::string_view();
    return SendAll(kAnswers, HelpAnswerHeader(answer.has_value(), bytes.size())) &&
           SendAll(kAnswers, bytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    prctl(PR_SET_DUMPABLE, 0);        // a crash here is expected, not worth a core dump
    prctl(PR_SET_PDEATHSIG, SIGKILL); // nor is a loop that outlives the program
    if (std::to_string(getppid()) != argv[2])
        return 0; // the program ended before the line above took hold
    // Nothing else of the program's stays open here (its display connection, other readers'
    // sockets), so that a reader's socket closes when the program closes its end.
    close_range(STDERR_FILENO + 1, ~0U, 0);

    const ChmHandle file = OpenHelpFile(argv[1]);
    if (!Reply(file ? std::optional<std::string>("") : std::nullopt) || !file)
        return 1;
    for (;;) {
        char header[kHelpRequestHeaderBytes];
        if (!ReceiveAll(kRequests, header, sizeof header))
            return 0; // the program closed the file
        const std::uint64_t maxBytes = FromLittleEndian(header + 1, 8);
        const std::uint64_t length = FromLittleEndian(header + 9, 4);
        if (length > CHM_MAX_PATHLEN)
            return 1;
        std::string objectPath(length, '\0');
        if (!ReceiveAll(kRequests, objectPath.data(), objectPath.size()) ||
            !Reply(AnswerHelpRequest(file.get(), static_cast<HelpRequest>(header[0]), objectPath,
                                     maxBytes)))
            return 1;
    }
}
