// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileIo.h"

#include "platform/Log.h"
#include "platform/files/FileFacts.h"
#include "platform/files/FileSearch.h"
#include "platform/files/Paths.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
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

constexpr std::string_view kTemporaryPrefix = ".tapnest-";
constexpr std::string_view kTemporarySuffix = ".tmp";

// Creates a new hidden file beside `path`, named ".tapnest-<pid>-<n>.tmp" whatever the target's
// name, so that every name the file system allows can be written and a later start can tell
// what a killed session left. The extension is no picture's or sound's.
std::pair<std::string, int> CreateTemporaryBeside(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    const std::string dir = DirectoryOf(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            JoinPath(dir, std::string(kTemporaryPrefix) + std::to_string(getpid()) + "-" +
                              std::to_string(counter++) + std::string(kTemporarySuffix));
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {candidate, fd};
        if (errno != EEXIST)
            break;
    }
    return {{}, -1};
}

// The process that made a temporary file of ours with this name; none for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name)
{
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return std::nullopt;
    name.remove_prefix(kTemporaryPrefix.size());
    name.remove_suffix(kTemporarySuffix.size());
    const std::size_t dash = name.find('-');
    const auto isNumber = [](std::string_view digits) {
        return !digits.empty() && digits.size() <= 10 &&
               digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !isNumber(name.substr(0, dash)) ||
        !isNumber(name.substr(dash + 1)))
        return std::nullopt;
    return static_cast<pid_t>(std::stoll(std::string(name.substr(0, dash))));
}

// Makes the replacement keep the permissions of the file it replaces.
void CopyModeOfExisting(const std::string& path, int fd)
{
    if (const std::optional<FileFacts> facts = FileFactsOf(path);
        facts && facts->kind == FileKind::Regular)
        fchmod(fd, facts->permissions);
}

// Fills the temporary file `fd` from the source, block by block; a failed read leaves its
// errno in `readError`.
bool CopyContents(int source, int fd, const std::function<void(std::uint64_t)>& onProgress,
                  int& readError)
{
    constexpr std::size_t kBlockBytes = 1 << 20;
    std::string block(kBlockBytes, '\0');
    std::uint64_t copied = 0;
    for (;;) {
        const ssize_t got = read(source, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            readError = errno;
            return false;
        }
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
FileResult ReplaceAtomically(const std::string& path, const std::function<bool(int)>& fill)
{
    const std::pair<std::string, int> created = CreateTemporaryBeside(path);
    const std::string& temporary = created.first;
    FileDescriptor file(created.second);
    if (!file.IsOpen()) {
        const FileResult failure = FileResult::FromErrno(path);
        qCInfo(lcFiles, "cannot create a file beside %s: %s", path.c_str(),
               failure.Reason().c_str());
        return failure;
    }
    // A temporary file that cannot be made whole goes; the target stays as it was.
    const auto discard = [&](const char* step) {
        const FileResult failure = FileResult::FromErrno(path);
        qCInfo(lcFiles, "cannot %s %s: %s", step, path.c_str(), failure.Reason().c_str());
        unlink(temporary.c_str());
        return failure;
    };
    CopyModeOfExisting(path, file.Get());
    if (!fill(file.Get()) || fsync(file.Get()) != 0)
        return discard("write");
    if (!file.Close())
        return discard("finish writing");
    if (rename(temporary.c_str(), path.c_str()) != 0)
        return discard("replace");
    SyncDirectoryOf(path);
    return {};
}

} // namespace

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    return ReplaceAtomically(path, [bytes](int fd) { return WriteAll(fd, bytes); });
}

FileResult CopyFileAtomically(const std::string& source, const std::string& target,
                              const std::function<void(std::uint64_t)>& onProgress)
{
    errno = 0;
    const FileDescriptor input = OpenRegularFile(source);
    if (!input.IsOpen()) {
        qCInfo(lcFiles, "cannot copy %s: it cannot be opened as a file", source.c_str());
        return errno != 0 ? FileResult::FromErrno(source)
                          : FileResult::Failure(source, std::strerror(EISDIR));
    }
    // A failed read of the source is told as the source's, a failed write as the target's.
    int readError = 0;
    const FileResult written = ReplaceAtomically(
        target, [&](int fd) { return CopyContents(input.Get(), fd, onProgress, readError); });
    if (!written && readError != 0)
        return FileResult::Failure(source, std::strerror(readError));
    return written;
}

FileResult RemoveFile(const std::string& path)
{
    if (unlink(path.c_str()) == 0)
        return {};
    const FileResult failure = FileResult::FromErrno(path);
    qCInfo(lcFiles, "cannot delete %s: %s", path.c_str(), failure.Reason().c_str());
    return failure;
}

bool IsReadOnlyFile(const std::string& path)
{
    const std::optional<FileFacts> facts = FileFactsOf(path);
    return facts && facts->kind == FileKind::Regular && (facts->permissions & 0222) == 0;
}

void RemoveLeftoverTemporaries(const std::string& dir)
{
    for (const FoundEntry& entry : FindFiles(dir, "*.tmp")) {
        const std::optional<pid_t> owner = TemporaryOwner(entry.name);
        // Only a file whose maker is gone is certainly left over.
        if (!entry.isDirectory && owner && kill(*owner, 0) != 0 && errno == ESRCH)
            (void)RemoveFile(entry.path);
    }
}
