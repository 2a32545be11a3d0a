// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PictureSupply.h"

PictureSupply::PictureSupply()
{
    connect(&m_prefetch, &PicturePrefetch::ready, this, &PictureSupply::ready);
}

void PictureSupply::Begin(PlayDeck deck, std::uint32_t seed)
{
    m_random.Seed(seed);
    m_prefetch.Cancel();
    m_deck = std::move(deck);
    m_pictures = std::make_shared<const std::vector<DeckEntry>>(m_deck.entries);
}

void PictureSupply::Prefetch(const QSize& screen, bool randomColors)
{
    m_rules = {.randomColors = randomColors,
               .screen = screen,
               .defaultSoundCount = static_cast<int>(m_deck.defaultSounds.size())};
    m_prefetch.Start(m_random, m_pictures, m_rules);
}

bool PictureSupply::TakeNext(const std::function<void(const PicturePick&)>& show)
{
    {
        const std::optional<PicturePick> pick = m_prefetch.TakeReady(m_random, m_rules);
        if (!pick)
            return false;
        show(*pick);
    } // the decoded picture is let go before the next one is decoded
    // The generator now stands where the next key will find it.
    m_prefetch.Start(m_random, m_pictures, m_rules);
    return true;
}

std::optional<std::string> PictureSupply::SoundOf(const PicturePick& shown)
{
    const DeckEntry& entry = m_deck.entries[shown.index];
    if (entry.HasOwnSound())
        return entry.ownSoundPath;
    if (const std::optional<int> sound =
            DrawDefaultSound(m_random, entry, m_rules.defaultSoundCount))
        return m_deck.defaultSounds[*sound];
    return std::nullopt;
}
