// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmChild.h"

#include "platform/Log.h"
#include "platform/files/FileFacts.h"
#include "platform/files/Paths.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

// What posix_spawn is told: the reader's standard input and output are `socket`, its errors
// go nowhere, and it starts with every signal at its default and none blocked, whatever this
// process set for its own threads.
class SpawnSettings
{
public:
    explicit SpawnSettings(int socket)
    {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawn_file_actions_adddup2(&m_actions, socket, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&m_actions, socket, STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawnattr_init(&m_attributes);
        sigset_t chosen;
        sigfillset(&chosen);
        posix_spawnattr_setsigdefault(&m_attributes, &chosen);
        sigemptyset(&chosen);
        posix_spawnattr_setsigmask(&m_attributes, &chosen);
        posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnSettings()
    {
        posix_spawnattr_destroy(&m_attributes);
        posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attributes; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

// Starts the reader beside the program file for the help file at `path`, talking over
// `socket`; its process, or nothing when it cannot be started.
std::optional<pid_t> SpawnReader(const std::string& path, int socket)
{
    std::string reader = JoinPath(DirectoryOf(ProgramFilePath()), ChmChild::kReaderName);
    std::string helpFile = path;
    std::string parent = std::to_string(getpid());
    char* const arguments[] = {reader.data(), helpFile.data(), parent.data(), nullptr};
    const SpawnSettings settings(socket);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, reader.c_str(), settings.Actions(), settings.Attributes(),
                                   arguments, environ);
    if (failed != 0) {
        qCInfo(lcHelp, "cannot start the help file's reader %s: %s", reader.c_str(),
               std::strerror(failed));
        return std::nullopt;
    }
    return pid;
}

} // namespace

std::unique_ptr<ChmChild> ChmChild::Start(const std::string& path)
{
    // A pipe or device would keep the reader waiting for bytes that never come.
    if (!IsRegularFile(path))
        return nullptr;
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return nullptr;
    const std::optional<pid_t> pid = SpawnReader(path, sockets[1]);
    close(sockets[1]);
    if (!pid) {
        close(sockets[0]);
        return nullptr;
    }
    std::unique_ptr<ChmChild> child(new ChmChild(*pid, sockets[0]));
    // The reader greets once it has opened the file.
    if (!child->Answer())
        return nullptr;
    return child;
}

ChmChild::~ChmChild()
{
    End();
}

std::optional<std::string> ChmChild::Ask(Request request, std::string_view objectPath,
                                         std::uint64_t maxBytes)
{
    if (IsBroken())
        return std::nullopt;
    if (!SendAll(m_socket, HelpRequestBytes(request, objectPath, maxBytes)))
        return GiveUp("takes no more questions");
    return Answer();
}

std::optional<std::string> ChmChild::Answer()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAnswerMs);
    char header[kHelpAnswerHeaderBytes];
    if (!ReceiveAll(m_socket, header, sizeof header, deadline))
        return GiveUp("stopped answering");
    const std::uint64_t length = FromLittleEndian(header + 1, 8);
    if (length > kMaxHelpObjectBytes)
        return GiveUp("gave an answer too long to take");
    std::string bytes(length, '\0');
    if (!ReceiveAll(m_socket, bytes.data(), bytes.size(), deadline))
        return GiveUp("stopped answering");
    if (header[0] == '\0')
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ChmChild::GiveUp(const char* why)
{
    qCInfo(lcHelp, "the help file's reader %s; it is ended", why);
    End();
    return std::nullopt;
}

void ChmChild::End()
{
    if (IsBroken())
        return;
    kill(m_pid, SIGKILL);
    while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    close(m_socket);
    m_pid = -1;
    m_socket = -1;
}
