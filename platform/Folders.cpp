#include "platform/Folders.h"

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
