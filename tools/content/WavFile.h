// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/content/Synth.h"

#include <optional>
#include <string>

// Writes the sound as a 16-bit PCM mono WAV file at kSampleRate; samples
// beyond full scale are clipped, never wrapped. False when the file cannot be
// written.
bool WriteWav(const std::string& path, const Samples& sound);

struct WavAudio
{
    Samples samples; // mixed down to mono
    int sampleRate = 0;
};

// Reads any WAV file that libsndfile decodes; nullopt when it cannot.
std::optional<WavAudio> ReadWav(const std::string& path);
