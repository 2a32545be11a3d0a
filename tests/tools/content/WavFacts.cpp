// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/tools/content/WavFacts.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

WavFacts ReadWavFacts(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return {};
    }
    std::vector<double> samples(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_double(file, samples.data(), info.frames);
    sf_close(file);
    WavFacts facts{true, info.format, info.samplerate, info.channels,
                   static_cast<double>(read) / info.samplerate};
    samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(read, 0) * info.channels));
    for (const double sample : samples) {
        facts.peak = std::max(facts.peak, std::abs(sample));
    }
    if (!samples.empty()) {
        facts.ends = std::max(std::abs(samples.front()), std::abs(samples.back()));
    }
    return facts;
}
