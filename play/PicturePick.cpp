#include "play/PicturePick.h"

#include "platform/files/FileFacts.h"

#include <QRect>

PicturePick PickPicture(PlayRandom& random, const std::vector<DeckEntry>& entries,
                        const PickRules& rules)
{
    PicturePick pick;
    if (rules.randomColors)
        pick.colors = random.RandomColors();
    pick.index = random.RandomIndex(static_cast<int>(entries.size()));
    if (entries.empty())
        return pick;
    const std::string& path = entries[pick.index].picturePath;
    pick.fileVersion = FileVersionOf(path);
    auto image = std::make_unique<CPictureImage>();
    if (image->Open(path) < 0)
        return pick;

    const PlayRandom beforePlacement = random;
    pick.x = random.RandomIndex(rules.screen.width() - image->Width());
    pick.y = random.RandomIndex(rules.screen.height() - image->Height());
    const QRect visible =
        QRect(0, 0, image->Width(), image->Height())
            .intersected(QRect(-pick.x, -pick.y, rules.screen.width(), rules.screen.height()));
    if (image->Decode(visible) < 0 || image->IsEmpty()) {
        random = beforePlacement;
        pick.x = pick.y = 0;
        return pick;
    }
    if (entries[pick.index].cutToDisplay)
        image->PrepareTransparent(image->PixelAt(0, 0));
    pick.image = std::move(image);
    return pick;
}
