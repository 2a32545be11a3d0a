// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PicturePick.h"

#include "platform/files/FileFacts.h"

#include <QRect>

#include <algorithm>

namespace {

// The picture's part that can land on `screen`, decoded and ready to draw.
ScreenPicture MakeScreenPicture(const std::string& path, const QSize& screen, bool cutToDisplay)
{
    auto image = std::make_shared<CPictureImage>();
    if (image->Open(path) < 0)
        return nullptr;
    const QRect seen(0, 0, std::min(image->Width(), screen.width()),
                     std::min(image->Height(), screen.height()));
    if (seen.isEmpty() || image->Decode(seen) < 0 || image->IsEmpty())
        return nullptr;
    if (cutToDisplay)
        image->PrepareTransparent(image->PixelAt(0, 0));
    return image;
}

} // namespace

PicturePick PickPicture(PlayRandom& random, const std::vector<DeckEntry>& entries,
                        const PickRules& rules, PictureCache& cache)
{
    PicturePick pick;
    if (rules.randomColors)
        pick.colors = random.RandomColors();
    pick.index = random.RandomIndex(static_cast<int>(entries.size()));
    if (entries.empty())
        return pick;
    const DeckEntry& entry = entries[pick.index];
    pick.fileVersion = FileVersionOf(entry.picturePath);
    const CachedPictureKey key{entry.picturePath, rules.screen, entry.cutToDisplay};
    pick.image = cache.Get(key, pick.fileVersion, [&] {
        return MakeScreenPicture(entry.picturePath, rules.screen, entry.cutToDisplay);
    });
    if (pick.image) {
        pick.x = random.RandomIndex(rules.screen.width() - pick.image->Width());
        pick.y = random.RandomIndex(rules.screen.height() - pick.image->Height());
    }
    return pick;
}

std::optional<int> DrawDefaultSound(PlayRandom& random, const DeckEntry& shown,
                                    int defaultSoundCount)
{
    if (shown.HasOwnSound() || defaultSoundCount <= 0)
        return std::nullopt;
    return random.RandomIndex(defaultSoundCount);
}
