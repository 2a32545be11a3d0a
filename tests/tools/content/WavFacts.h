// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What libsndfile itself says about a sound file, read without the code
// under test.
struct WavFacts
{
    bool opened = false;
    int format = 0; // libsndfile's major | subtype
    int sampleRate = 0;
    int channels = 0;
    double seconds = 0.0;
    double peak = 0.0; // largest magnitude, full scale 1
    double ends = 0.0; // larger magnitude of the first and the last sample
};

WavFacts ReadWavFacts(const std::string& path);
