// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/PictureCache.h"
#include "play/PlayDeck.h"
#include "play/PlayRandom.h"

#include <QSize>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// What decides the draws of a picture besides the generator.
struct PickRules
{
    bool randomColors = false; // the background is cleared to random colours
    QSize screen;              // in logical pixels, which are the picture's own pixels
    int defaultSoundCount = 0; // a picture without a sound of its own draws one of these

    bool operator==(const PickRules&) const = default;
};

// One picture of the play, picked, placed and decoded: what a key draws.
struct PicturePick
{
    std::optional<PlayColors> colors; // drawn when the rules take random colours
    int index = 0;
    int x = 0;
    int y = 0;
    ScreenPicture image;     // null when the picture cannot be shown
    std::string fileVersion; // of the picked file, taken before it was read
};

// Makes the draws of one picture from `random`, in the play's order: the
// colours, the index, then the position. A picture covers one logical pixel
// of the screen with each of its own pixels, at every display scale: one wider
// or higher than the screen is placed at the left or top edge and cut off by
// the other one, so only its top-left part of the screen's size can ever be
// seen: that part is decoded, whatever the place, before the place is drawn.
// A picture that cannot be shown takes no position draws. A picture cut to
// display has its transparency worked out too, so that drawing it only
// blends. Pictures are taken from `cache` when they were made before.
PicturePick PickPicture(PlayRandom& random, const std::vector<DeckEntry>& entries,
                        const PickRules& rules, PictureCache& cache);
// The draw that follows a shown picture: which of the default sounds it plays,
// when it has no sound of its own and there are default sounds.
std::optional<int> DrawDefaultSound(PlayRandom& random, const DeckEntry& shown,
                                    int defaultSoundCount);
