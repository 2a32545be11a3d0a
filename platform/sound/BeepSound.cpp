// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/BeepSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 22050;
constexpr double kNoteSeconds = 0.09;
constexpr double kFadeSeconds = 0.01;
constexpr double kLoudness = 0.4;

} // namespace

DecodedSound BeepSound()
{
    DecodedSound sound{kRate, 1, {}};
    const int noteFrames = static_cast<int>(kNoteSeconds * kRate);
    const int fadeFrames = static_cast<int>(kFadeSeconds * kRate);
    for (const double frequency : {880.0, 660.0}) {
        for (int frame = 0; frame < noteFrames; ++frame) {
            const int edge = std::min(frame, noteFrames - 1 - frame);
            const double envelope = std::min(1.0, static_cast<double>(edge) / fadeFrames);
            const double phase = 2.0 * std::numbers::pi * frequency * frame / kRate;
            sound.samples.push_back(static_cast<float>(kLoudness * envelope * std::sin(phase)));
        }
    }
    return sound;
}
