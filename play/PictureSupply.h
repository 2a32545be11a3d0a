// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/PicturePrefetch.h"
#include "play/PlayDeck.h"
#include "play/PlayRandom.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The pictures of a play in the order the generator picks them: the deck, the
// play's one generator, and the worker that makes the next picture ready
// (with the cache of those made before), so that a key only draws.
class PictureSupply : public QObject
{
    Q_OBJECT

public:
    PictureSupply();

    // A new play on `deck`, from the generator seeded with `seed`; the
    // picture under way and the pictures kept are forgotten.
    void Begin(PlayDeck deck, std::uint32_t seed);
    const PlayDeck& Deck() const { return m_deck; }
    // The colours of a clearing, drawn by the generator.
    PlayColors DrawColors() { return m_random.RandomColors(); }
    // Sets the worker on the next picture for a screen of `screen` logical
    // pixels, with random colours at every clearing or not.
    void Prefetch(const QSize& screen, bool randomColors);
    // Hands the next picture to `show` when it is ready, then sets the worker
    // on the one after. False when it is not ready yet: ready() follows.
    bool TakeNext(const std::function<void(const PicturePick&)>& show);
    // The sound of a shown picture: its own, else one of the default sounds,
    // drawn by the generator; nothing when there is neither.
    std::optional<std::string> SoundOf(const PicturePick& shown);
    // Forgets the picture under way and the pictures kept.
    void End() { m_prefetch.Cancel(); }

signals:
    // The picture asked for is ready to be taken.
    void ready();

private:
    PlayRandom m_random;
    PlayDeck m_deck;
    DeckPictures m_pictures; // m_deck's pictures, shared with the prefetch
    PickRules m_rules;
    PictureCache m_pictureCache{PicturePrefetch::kCacheBudgetBytes};
    PicturePrefetch m_prefetch{m_pictureCache}; // after the cache: its workers fill it
};
