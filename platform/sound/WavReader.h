// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sf_private_tag;

// A sound decoded to floating-point samples in [-1, 1], frames interleaved.
struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    std::int64_t Frames() const { return channels > 0 ? std::ssize(samples) / channels : 0; }
};

// Reads a WAV file of any encoding libsndfile reads (PCM, float, mu-law,
// A-law, IMA and MS ADPCM, extensible) piece by piece, so a sound of any
// length is decoded in bounded memory. The length the file claims is not
// trusted: reading ends where its samples end.
class WavReader
{
public:
    // None for a missing or damaged file, one that is not a WAV file, or one
    // that is not a regular file (a FIFO or a device could block forever).
    static std::optional<WavReader> Open(const std::string& path);

    int SampleRate() const { return m_sampleRate; }
    int Channels() const { return m_channels; }
    // The next frames, at most maxFrames of them; fewer only at the end.
    DecodedSound Read(std::int64_t maxFrames);

private:
    struct Closer
    {
        void operator()(sf_private_tag* file) const;
    };
    WavReader(sf_private_tag* file, int sampleRate, int channels);

    std::unique_ptr<sf_private_tag, Closer> m_file;
    int m_sampleRate;
    int m_channels;
};
