// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/content/Synth.h"

#include <string>
#include <vector>

struct NamedSound
{
    std::string fileName;
    Samples sound;
};

// The default sounds: short happy tunes and noises for the pictures that have
// no sound of their own.
std::vector<NamedSound> MakeDefaultSounds();

// Played when a play starts: a rising chime, then the spoken greeting (which
// may be empty).
Samples MakeHelloSound(const Samples& spokenHello);

// Played when a play ends: the spoken farewell (which may be empty), then a
// falling chime.
Samples MakeGoodByeSound(const Samples& spokenGoodBye);
