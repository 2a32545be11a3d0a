#include "platform/files/Folders.h"

#include "platform/files/FileFacts.h"

#include <sys/stat.h>
#include <unistd.h>

bool MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0;
}

bool RemoveFolder(const std::string& path)
{
    const std::optional<FileFacts> facts = EntryFactsOf(path);
    if (!facts)
        return false;
    if (facts->kind == FileKind::SymbolicLink)
        return unlink(path.c_str()) == 0;
    return rmdir(path.c_str()) == 0;
}
