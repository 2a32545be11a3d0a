#pragma once

#include "library/PictureImage.h"
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
    QSize screen;

    bool operator==(const PickRules&) const = default;
};

// One picture of the play, picked, placed and decoded: what a key draws.
struct PicturePick
{
    std::optional<PlayColors> colors; // drawn when the rules take random colours
    int index = 0;
    int x = 0;
    int y = 0;
    std::unique_ptr<CPictureImage> image; // null when the picture cannot be shown
    std::string fileVersion;              // of the picked file, taken before it was read
};

// Makes the draws of one picture from `random`, in the play's order: the
// colours, the index, then the position. Pictures are never scaled: one wider
// or higher than the screen is placed at the left or top edge and cut off by
// the other one. A picture that fails to decode gives its two position draws
// back, as one whose header could not be read never took them. Only the part
// that lands on the screen is decoded; a picture cut to display has its
// transparency worked out too, so that drawing it only blends.
PicturePick PickPicture(PlayRandom& random, const std::vector<DeckEntry>& entries,
                        const PickRules& rules);
