// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileFacts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

FileKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Directory;
    if (S_ISLNK(mode))
        return FileKind::SymbolicLink;
    return FileKind::Other;
}

FileFacts FactsOf(const struct stat& status)
{
    return {.kind = KindOf(status.st_mode),
            .size = static_cast<std::uint64_t>(status.st_size),
            .modifiedNs = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                          status.st_mtim.tv_nsec,
            .permissions = static_cast<std::uint32_t>(status.st_mode & 07777)};
}

// Non-blocking, so that a named pipe in place of the file cannot hang the caller.
FileDescriptor OpenForReading(const std::string& path)
{
    return FileDescriptor(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

std::optional<FileFacts> OpenedFactsOf(const FileDescriptor& file)
{
    struct stat status = {};
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0)
        return std::nullopt;
    return FactsOf(status);
}

} // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = other.Release();
    }
    return *this;
}

int FileDescriptor::Release()
{
    return std::exchange(m_fd, -1);
}

bool FileDescriptor::Close()
{
    const int fd = Release();
    return fd < 0 || close(fd) == 0;
}

std::optional<FileFacts> FileFactsOf(const std::string& path)
{
    struct stat status = {};
    if (stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FactsOf(status);
}

std::optional<FileFacts> EntryFactsOf(const std::string& path)
{
    struct stat status = {};
    if (lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FactsOf(status);
}

bool PathExists(const std::string& path)
{
    return EntryFactsOf(path).has_value();
}

bool IsRegularFile(const std::string& path)
{
    const std::optional<FileFacts> facts = FileFactsOf(path);
    return facts && facts->kind == FileKind::Regular;
}

bool IsRealFolder(const std::string& path)
{
    const std::optional<FileFacts> facts = EntryFactsOf(path);
    return facts && facts->kind == FileKind::Directory;
}

FileDescriptor OpenRegularFile(const std::string& path, FileFacts* facts)
{
    FileDescriptor file = OpenForReading(path);
    const std::optional<FileFacts> opened = OpenedFactsOf(file);
    if (!opened || opened->kind != FileKind::Regular)
        return FileDescriptor();
    if (facts)
        *facts = *opened;
    return file;
}

std::optional<std::uint64_t> FileSizeOf(const std::string& path)
{
    const std::optional<FileFacts> facts = OpenedFactsOf(OpenForReading(path));
    if (!facts)
        return std::nullopt;
    return facts->size;
}

std::string FileVersionOf(const std::string& path)
{
    const std::optional<FileFacts> facts = FileFactsOf(path);
    if (!facts)
        return {};
    return std::to_string(facts->size) + ':' + std::to_string(facts->modifiedNs);
}
