#include "play/PlayDeck.h"

#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/FileSearch.h"
#include "platform/Paths.h"

namespace {

bool IsSwitchedOn(const std::string& groupPath, const std::string& folderName)
{
    const GroupFileContents group = ReadGroupFile(groupPath, folderName);
    return group.complete && group.displayed != 0;
}

void CollectGroup(const std::string& groupPath, std::vector<DeckEntry>& entries)
{
    const std::vector<FoundEntry> pictures = ListPictureFiles(groupPath);
    if (pictures.empty())
        return;
    const std::vector<std::string> cutNames = ReadCutList(groupPath);
    for (const FoundEntry& picture : pictures) {
        DeckEntry entry;
        entry.picturePath = picture.path;
        if (auto sound = ResolveNoCase(OwnSoundPath(picture.path)))
            entry.ownSoundPath = std::move(*sound);
        entry.cutToDisplay = IsCutToDisplay(cutNames, picture.name);
        entries.push_back(std::move(entry));
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
