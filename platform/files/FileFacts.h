// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the program asks of the file system about one path. Paths are byte strings, and nothing
// here waits on a named pipe or a device that stands where a file is expected.

// Closes a file descriptor when it goes out of scope.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Gives the descriptor up to the caller, who closes it.
    int Release();
    // Closes now; false when the close reports an error (for example a delayed write error).
    bool Close();

private:
    int m_fd;
};

enum class FileKind { Regular, Directory, SymbolicLink, Other };

struct FileFacts
{
    FileKind kind = FileKind::Other;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;   // nanoseconds since the epoch
    std::uint32_t permissions = 0; // the mode's permission bits
};

// What `path` names, after symbolic links; nullopt when nothing is there.
std::optional<FileFacts> FileFactsOf(const std::string& path);
// What is at `path` itself: a symbolic link is described as a link.
std::optional<FileFacts> EntryFactsOf(const std::string& path);

// Whether anything is at `path`, a dangling symbolic link included.
bool PathExists(const std::string& path);
// Whether `path` names a regular file, after symbolic links.
bool IsRegularFile(const std::string& path);
// Whether `path` is a folder itself, not a symbolic link to one.
bool IsRealFolder(const std::string& path);

// Opens a regular file for reading, without blocking; not open when `path` is missing or names
// anything else. `facts`, when given, hears the opened file's facts.
FileDescriptor OpenRegularFile(const std::string& path, FileFacts* facts = nullptr);

// The length in bytes of the file at `path` when it can be opened for reading; nullopt
// otherwise.
std::optional<std::uint64_t> FileSizeOf(const std::string& path);

// A text that changes whenever the file at `path` is replaced or rewritten (its size and
// modification time); empty when the file is not there.
std::string FileVersionOf(const std::string& path);
