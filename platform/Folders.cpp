#include "platform/Folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0;
}

bool RemoveFolder(const std::string& path)
{
    struct stat status = {};
    if (lstat(path.c_str(), &status) != 0)
        return false;
    if (S_ISLNK(status.st_mode))
        return unlink(path.c_str()) == 0;
    return rmdir(path.c_str()) == 0;
}

std::optional<std::uint64_t> FileSizeOf(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status = {};
    const bool known = fstat(fd, &status) == 0;
    close(fd);
    if (!known)
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}
