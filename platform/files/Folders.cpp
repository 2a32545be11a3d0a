// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Folders.h"

#include "platform/Log.h"
#include "platform/files/FileFacts.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

FileResult MakeFolder(const std::string& path)
{
    if (mkdir(path.c_str(), 0777) == 0)
        return {};
    const FileResult failure = FileResult::FromErrno(path);
    qCInfo(lcFiles, "cannot create the folder %s: %s", path.c_str(), failure.Reason().c_str());
    return failure;
}

FileResult RemoveFolder(const std::string& path)
{
    const std::optional<FileFacts> facts = EntryFactsOf(path);
    if (!facts) {
        qCInfo(lcFiles, "cannot delete the folder %s: it is not there", path.c_str());
        return FileResult::Failure(path, std::strerror(ENOENT));
    }
    const bool isLink = facts->kind == FileKind::SymbolicLink;
    if ((isLink ? unlink(path.c_str()) : rmdir(path.c_str())) == 0)
        return {};
    const int error = errno;
    const FileResult failure = FileResult::Failure(path, std::strerror(error));
    // A folder that still holds something is emptied first; the caller tells when that failed.
    if (error != ENOTEMPTY)
        qCInfo(lcFiles, "cannot delete the folder %s: %s", path.c_str(), failure.Reason().c_str());
    return failure;
}
