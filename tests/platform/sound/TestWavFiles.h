// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The test sound: a different sine on each channel, so swapped channels show.
float SineSample(std::int64_t frame, int channel, int rate);

// Writes the test sound with libsndfile in the given container and encoding;
// false when libsndfile cannot write that format.
bool WriteSineWav(const std::string& path, int format, int rate, int channels, std::int64_t frames);

void WriteBytes(const std::string& path, const std::string& bytes);
