// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/WavFile.h"

#include <sndfile.h>

#include <memory>
#include <vector>

namespace {

struct SndFileCloser
{
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFileHandle = std::unique_ptr<SNDFILE, SndFileCloser>;

// Limits of what is read back: a minute at 96 kHz, far beyond anything
// spoken or chimed, and the channel count of surround sound.
constexpr std::size_t kMaxFrames = std::size_t{60} * 96000;
constexpr int kMaxChannels = 8;

} // namespace

bool WriteWav(const std::string& path, const Samples& sound)
{
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const SndFileHandle file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) {
        return false;
    }
    // Clip instead of letting a too-loud sample wrap to the other sign.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const auto count = static_cast<sf_count_t>(sound.size());
    return sf_writef_float(file.get(), sound.data(), count) == count;
}

std::optional<WavAudio> ReadWav(const std::string& path)
{
    SF_INFO info{};
    const SndFileHandle file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.channels > kMaxChannels || info.samplerate < 1) {
        return std::nullopt;
    }
    // Read in chunks and mix down as we go, so a header that claims a huge
    // length never makes us allocate for it.
    const auto channels = static_cast<std::size_t>(info.channels);
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames) * channels);
    WavAudio audio{{}, info.samplerate};
    while (audio.samples.size() < kMaxFrames) {
        const sf_count_t got = sf_readf_float(file.get(), chunk.data(), kChunkFrames);
        if (got <= 0) {
            break;
        }
        for (std::size_t frame = 0; frame < static_cast<std::size_t>(got); ++frame) {
            float sum = 0.0f;
            for (std::size_t channel = 0; channel < channels; ++channel) {
                sum += chunk[frame * channels + channel];
            }
            audio.samples.push_back(sum / static_cast<float>(channels));
        }
    }
    return audio;
}
