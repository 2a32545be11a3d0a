// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmChild.h"

#include "platform/AsciiCase.h"
#include "platform/Log.h"
#include "platform/files/FileFacts.h"
#include "platform/help/ChmFile.h"

#include <chm_lib.h>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// chmlib keeps several expanded blocks of the compressed section in memory, each as large as
// the file's reset table claims. Compilers write blocks of 32 KiB.
constexpr std::uint64_t kMaxCompressedBlockBytes = 1u << 20;
constexpr char kResetTable[] = "::DataSpace/Storage/MSCompressed/Transform/"
                               "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
// The reset table's header: four 32-bit fields, the expanded and the compressed length, then
// the block length, each 64 bits, little-endian.
constexpr std::size_t kBlockLengthAt = 32;

// A request: its kind, the 64-bit limit of the bytes wanted, the 32-bit length of the object
// path, the path. An answer: whether the object is there, the 64-bit length of the bytes, the
// bytes. Lengths are little-endian.
constexpr std::size_t kRequestHeaderBytes = 13;
constexpr std::size_t kAnswerHeaderBytes = 9;

bool WriteAll(int socket, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Reads exactly `size` bytes, waiting no later than `deadline` when there is one.
bool ReadAll(int socket, char* data, std::size_t size,
             std::optional<Clock::time_point> deadline = std::nullopt)
{
    while (size > 0) {
        if (deadline) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now());
            pollfd ready{.fd = socket, .events = POLLIN, .revents = 0};
            const int polled =
                poll(&ready, 1, static_cast<int>(std::max<long long>(0, left.count())));
            if (polled < 0 && errno == EINTR)
                continue;
            if (polled <= 0)
                return false;
        }
        const ssize_t got = recv(socket, data, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

std::string LittleEndian(std::uint64_t value, int bytes)
{
    std::string text;
    for (int i = 0; i < bytes; ++i)
        text += static_cast<char>(value >> (8 * i) & 0xFF);
    return text;
}

std::uint64_t FromLittleEndian(const char* bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

// The child's side -----------------------------------------------------------------------

// Whether the blocks of the compressed section are of a size worth holding. chmlib ignores a
// reset table that is missing or itself compressed, and so does this check.
bool BlocksAreModest(chmFile* file)
{
    chmUnitInfo unit;
    if (chm_resolve_object(file, kResetTable, &unit) != CHM_RESOLVE_SUCCESS ||
        unit.space != CHM_UNCOMPRESSED)
        return true;
    unsigned char header[kBlockLengthAt + 8];
    if (chm_retrieve_object(file, &unit, header, 0, sizeof header) != sizeof header)
        return true;
    std::uint64_t blockLength = 0;
    for (std::size_t at = sizeof header; at > kBlockLengthAt; --at)
        blockLength = blockLength << 8 | header[at - 1];
    return blockLength <= kMaxCompressedBlockBytes;
}

// The object's first `maxBytes` bytes: chmlib expands no more of the compressed section than
// they need.
std::optional<std::string> ReadObject(chmFile* file, const std::string& objectPath,
                                      std::uint64_t maxBytes)
{
    chmUnitInfo unit;
    if (chm_resolve_object(file, objectPath.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > kMaxHelpObjectBytes)
        return std::nullopt;
    const std::uint64_t length = std::min<std::uint64_t>(unit.length, maxBytes);
    std::string bytes(length, '\0');
    if (length > 0 &&
        chm_retrieve_object(file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(length)) != static_cast<LONGINT64>(length))
        return std::nullopt;
    return bytes;
}

int StopAtContentsFile(chmFile*, chmUnitInfo* unit, void* found)
{
    const std::string_view path = unit->path;
    constexpr std::string_view kSuffix = ".hhc";
    if (path.size() < kSuffix.size() ||
        !EqualsNoCase(path.substr(path.size() - kSuffix.size()), kSuffix))
        return CHM_ENUMERATOR_CONTINUE;
    *static_cast<std::string*>(found) = unit->path;
    return CHM_ENUMERATOR_SUCCESS;
}

std::optional<std::string> Answer(chmFile* file, ChmChild::Request request,
                                  const std::string& objectPath, std::uint64_t maxBytes)
{
    switch (request) {
    case ChmChild::Request::Holds: {
        chmUnitInfo unit;
        if (chm_resolve_object(file, objectPath.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
            return std::nullopt;
        return std::string();
    }
    case ChmChild::Request::Read:
        return ReadObject(file, objectPath, maxBytes);
    case ChmChild::Request::FindContents: {
        std::string found;
        chm_enumerate(file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, StopAtContentsFile, &found);
        return found;
    }
    }
    return std::nullopt;
}

bool Reply(int socket, const std::optional<std::string>& answer)
{
    const std::string_view bytes = answer ? std::string_view(*answer) : std::string_view();
    return WriteAll(socket, std::string(1, answer ? '\1' : '\0') + LittleEndian(bytes.size(), 8)) &&
           WriteAll(socket, bytes);
}

// Runs in the forked child: only chmlib and the socket, then _exit, so nothing of the parent's
// state (Qt, atexit handlers, buffered output) is touched. It ends with the parent.
[[noreturn]] void Serve(int socket, const std::string& path, pid_t parent)
{
    prctl(PR_SET_DUMPABLE, 0); // a crash here is expected, not worth a core dump
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(0); // the parent ended before the line above took hold
    // Nothing of the parent's stays open here (its display connection, other children's
    // sockets), so that a child's socket closes when its parent closes it.
    constexpr int kSocket = 3;
    if (socket != kSocket && dup2(socket, kSocket) < 0)
        _exit(1);
    socket = kSocket;
    close_range(kSocket + 1, ~0U, 0);
    for (int fd = 0; fd < kSocket; ++fd)
        close(fd);
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGPIPE})
        std::signal(signal, SIG_DFL);
    chmFile* file = chm_open(path.c_str());
    const bool usable = file && BlocksAreModest(file);
    if (!Reply(socket, usable ? std::optional<std::string>("") : std::nullopt) || !usable)
        _exit(1);
    for (;;) {
        char header[kRequestHeaderBytes];
        if (!ReadAll(socket, header, sizeof header))
            _exit(0); // the parent closed the file
        const std::uint64_t maxBytes = FromLittleEndian(header + 1, 8);
        const std::uint64_t length = FromLittleEndian(header + 9, 4);
        if (length > CHM_MAX_PATHLEN)
            _exit(1);
        std::string objectPath(length, '\0');
        if (!ReadAll(socket, objectPath.data(), objectPath.size()) ||
            !Reply(socket,
                   Answer(file, static_cast<ChmChild::Request>(header[0]), objectPath, maxBytes)))
            _exit(1);
    }
}

} // namespace

std::unique_ptr<ChmChild> ChmChild::Start(const std::string& path)
{
    // A pipe or device would keep the child waiting for bytes that never come.
    if (!IsRegularFile(path))
        return nullptr;
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return nullptr;
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        Serve(sockets[1], path, parent);
    close(sockets[1]);
    if (pid < 0) {
        close(sockets[0]);
        return nullptr;
    }
    std::unique_ptr<ChmChild> child(new ChmChild(pid, sockets[0]));
    // The child greets once it has opened the file.
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
    if (!WriteAll(m_socket, std::string(1, static_cast<char>(request)) + LittleEndian(maxBytes, 8) +
                                LittleEndian(objectPath.size(), 4) + std::string(objectPath)))
        return GiveUp("takes no more questions");
    return Answer();
}

std::optional<std::string> ChmChild::Answer()
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kAnswerMs);
    char header[kAnswerHeaderBytes];
    if (!ReadAll(m_socket, header, sizeof header, deadline))
        return GiveUp("stopped answering");
    const std::uint64_t length = FromLittleEndian(header + 1, 8);
    if (length > kMaxHelpObjectBytes)
        return GiveUp("gave an answer too long to take");
    std::string bytes(length, '\0');
    if (!ReadAll(m_socket, bytes.data(), bytes.size(), deadline))
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
