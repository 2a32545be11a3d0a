#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

// A sound decoded to floating-point samples in [-1, 1], frames interleaved.
struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    std::int64_t Frames() const { return channels > 0 ? std::ssize(samples) / channels : 0; }
};

// Bounds on what one decode may produce, whatever length a file claims: by
// default three minutes, and no more samples than three minutes of 48 kHz
// stereo, whatever rate and channel count the file declares.
struct DecodeLimits
{
    std::int64_t maxSeconds = 180;
    std::int64_t maxSamples = 180LL * 48000 * 2;
};

// Decodes a WAV file of any encoding libsndfile reads (PCM, float, mu-law,
// A-law, IMA and MS ADPCM, extensible). Longer sounds are cut at the limits.
// Fails on a missing, damaged or empty file, or when stop is requested.
std::optional<DecodedSound> DecodeWav(const std::string& path, std::stop_token stop = {},
                                      const DecodeLimits& limits = {});
