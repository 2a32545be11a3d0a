// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlayDeck.h"

#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/files/Paths.h"

namespace {

bool IsSwitchedOn(const std::string& groupPath, const std::string& folderName)
{
    return ReadGroupFile(groupPath, folderName).DisplayFlag() != 0;
}

void CollectGroup(const std::string& groupPath, std::vector<DeckEntry>& entries)
{
    const std::vector<FoundEntry> pictures = ListPictureFiles(groupPath);
    if (pictures.empty())
        return;
    const std::vector<bool> cut = ReadCutMarks(groupPath, pictures);
    std::vector<std::string> ownSounds = FindOwnSounds(groupPath, pictures);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        entries.push_back({.picturePath = pictures[i].path,
                           .ownSoundPath = std::move(ownSounds[i]),
                           .cutToDisplay = cut[i]});
    }
}

} // namespace

PlayDeck BuildPlayDeck(const std::string& installDir)
{
    PlayDeck deck;
    for (const std::string& folderName : ListGroupFolders(installDir)) {
        const std::string groupPath = JoinPath(installDir, folderName);
        if (IsSwitchedOn(groupPath, folderName))
            CollectGroup(groupPath, deck.entries);
    }
    deck.defaultSounds = ListDefaultSounds(installDir);
    return deck;
}
