// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/content/Synth.h"

#include <string>

// Speaks a short English text with espeak-ng in a bright voice, at
// kSampleRate. Empty when espeak-ng is missing or fails, so a build without
// it still makes a library (pictures then fall back to the default sounds).
Samples SpeakWords(const std::string& text);
