// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One picture of a play: paths and flags only; nothing is decoded here.
struct DeckEntry
{
    std::string picturePath;
    std::string ownSoundPath; // empty when the picture has no own sound
    bool cutToDisplay = false;

    bool HasOwnSound() const { return !ownSoundPath.empty(); }
};

// Everything a play draws from: the pictures of every switched-on group, in
// group listing order, and the default sounds.
struct PlayDeck
{
    std::vector<DeckEntry> entries;
    std::vector<std::string> defaultSounds;
};

// Scans the content library below installDir. A group takes part when its
// group file was read completely and its display flag is non-zero.
PlayDeck BuildPlayDeck(const std::string& installDir);
