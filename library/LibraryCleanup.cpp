// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryCleanup.h"

#include "library/ContentLibrary.h"
#include "platform/files/FileFacts.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileSearch.h"
#include "platform/files/Folders.h"

void RemoveKilledSessionLeftovers(const std::string& installDir)
{
    RemoveLeftoverTemporaries(installDir);
    for (const FoundEntry& entry : FindFiles(installDir, "*")) {
        if (!entry.isDirectory || !IsRealFolder(entry.path))
            continue;
        RemoveLeftoverTemporaries(entry.path);
        // Only an empty folder goes: removing one that holds anything fails.
        if (IsNewGroupFolderName(entry.name) && !IsGroupFolder(installDir, entry) &&
            FindFiles(entry.path, "*").empty())
            (void)RemoveFolder(entry.path);
    }
}
