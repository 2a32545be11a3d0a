#include "platform/files/FileIo.h"

#include "platform/Log.h"
#include "platform/files/FileFacts.h"
#include "platform/files/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new hidden file beside `path`; its name ends in a number, so it
// never matches the extensions the library lists.
std::pair<std::string, int> CreateTemporaryBeside(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = path.substr(slash == std::string::npos ? 0 : slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            dir + "." + base + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {candidate, fd};
        if (errno != EEXIST)
            break;
    }
    return {{}, -1};
}

// Makes the replacement keep the permissions of the file it replaces.
void CopyModeOfExisting(const std::string& path, int fd)
{
    if (const std::optional<FileFacts> facts = FileFactsOf(path);
        facts && facts->kind == FileKind::Regular)
        fchmod(fd, facts->permissions);
}

// Fills the temporary file `fd` from the source, block by block.
bool CopyContents(int source, int fd, const std::function<void(std::uint64_t)>& onProgress)
{
    constexpr std::size_t kBlockBytes = 1 << 20;
    std::string block(kBlockBytes, '\0');
    std::uint64_t copied = 0;
    for (;;) {
        const ssize_t got = read(source, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!WriteAll(fd, std::string_view(block.data(), static_cast<std::size_t>(got))))
            return false;
        copied += static_cast<std::uint64_t>(got);
        if (onProgress)
            onProgress(copied);
    }
}

void SyncDirectoryOf(const std::string& path)
{
    const FileDescriptor dir(open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen())
        fsync(dir.Get());
}

} // namespace

std::optional<std::string> ReadFilePrefix(const std::string& path, std::uint64_t maxBytes)
{
    FileFacts facts;
    const FileDescriptor file = OpenRegularFile(path, &facts);
    if (!file.IsOpen())
        return std::nullopt;
    const std::uint64_t size = facts.size;
    std::string bytes(static_cast<std::size_t>(size < maxBytes ? size : maxBytes), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank meanwhile
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

namespace {

// Writes a new file beside `path` with `fill` and renames it over `path`.
bool ReplaceAtomically(const std::string& path, const std::function<bool(int)>& fill)
{
    const std::pair<std::string, int> created = CreateTemporaryBeside(path);
    const std::string& temporary = created.first;
    FileDescriptor file(created.second);
    if (!file.IsOpen()) {
        qCInfo(lcFiles, "cannot create a file beside %s: %s", path.c_str(), std::strerror(errno));
        return false;
    }
    // A temporary file that cannot be made whole goes; the target stays as it was.
    const auto discard = [&](const char* step) {
        qCInfo(lcFiles, "cannot %s %s: %s", step, path.c_str(), std::strerror(errno));
        unlink(temporary.c_str());
        return false;
    };
    CopyModeOfExisting(path, file.Get());
    if (!fill(file.Get()) || fsync(file.Get()) != 0)
        return discard("write");
    if (!file.Close())
        return discard("finish writing");
    if (rename(temporary.c_str(), path.c_str()) != 0)
        return discard("replace");
    SyncDirectoryOf(path);
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    return ReplaceAtomically(path, [bytes](int fd) { return WriteAll(fd, bytes); });
}

bool CopyFileAtomically(const std::string& source, const std::string& target,
                        const std::function<void(std::uint64_t)>& onProgress)
{
    const FileDescriptor input = OpenRegularFile(source);
    if (!input.IsOpen()) {
        qCInfo(lcFiles, "cannot copy %s: it cannot be opened as a file", source.c_str());
        return false;
    }
    return ReplaceAtomically(target,
                             [&](int fd) { return CopyContents(input.Get(), fd, onProgress); });
}

bool RemoveFile(const std::string& path)
{
    if (unlink(path.c_str()) == 0)
        return true;
    qCInfo(lcFiles, "cannot delete %s: %s", path.c_str(), std::strerror(errno));
    return false;
}
