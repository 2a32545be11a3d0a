// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound/WavReader.h"

// The sound played in place of one that cannot be played: two short falling
// notes, soft at both ends, so a parent hears that a sound is missing.
DecodedSound BeepSound();
