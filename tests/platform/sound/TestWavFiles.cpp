// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/platform/sound/TestWavFiles.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <sndfile.h>
#include <vector>

float SineSample(std::int64_t frame, int channel, int rate)
{
    const double phase = 2.0 * std::numbers::pi * (440.0 - 140.0 * channel) * frame / rate;
    return static_cast<float>(0.5 / (channel + 1) * std::sin(phase + channel));
}

bool WriteSineWav(const std::string& path, int format, int rate, int channels, std::int64_t frames)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* const file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> samples(frames * channels);
    for (std::int64_t index = 0; index < std::ssize(samples); ++index)
        samples[index] = SineSample(index / channels, index % channels, rate);
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
