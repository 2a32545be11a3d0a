// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GroupFolders.h"

#include "library/ContentLibrary.h"
#include "platform/AsciiCase.h"
#include "platform/Log.h"
#include "platform/files/FileFacts.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileSearch.h"
#include "platform/files/Folders.h"
#include "platform/files/Paths.h"

std::vector<FoundGroup> ScanGroups(const std::string& installDir)
{
    std::vector<FoundGroup> groups;
    for (const std::string& folder : ListGroupFolders(installDir)) {
        std::string path = JoinPath(installDir, folder);
        GroupFileContents contents = ReadGroupFile(path, folder);
        PictureGroup group{.folderName = FoldedAsciiCase(folder),
                           .name = std::move(contents.name),
                           .description = std::move(contents.description),
                           .displayed = contents.DisplayFlag()};
        groups.push_back({std::move(group), std::move(path)});
    }
    return groups;
}

FileResult DeleteGroupFolder(const std::string& folderPath)
{
    // A link or an empty folder goes at once; only a real folder is emptied first.
    if (RemoveFolder(folderPath))
        return {};
    FileResult firstFailure;
    for (const FoundEntry& entry : FindFiles(folderPath, "*.*")) {
        if (IsRealFolder(entry.path))
            continue; // sub-folders stay, and so does the folder: that is told below
        if (FileResult removed = RemoveFile(entry.path); !removed && firstFailure)
            firstFailure = std::move(removed);
    }
    FileResult removed = RemoveFolder(folderPath);
    if (!removed)
        qCInfo(lcFiles, "cannot delete the group folder %s", folderPath.c_str());
    // A file that stayed says more than the folder that therefore stayed.
    return firstFailure ? removed : firstFailure;
}
