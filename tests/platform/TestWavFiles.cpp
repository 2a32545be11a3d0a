#include "tests/platform/TestWavFiles.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sndfile.h>
#include <vector>

float SineSample(std::int64_t frame, int channel, int rate)
{
    const double hertz = 440.0 - 140.0 * channel;
    const double amplitude = 0.5 / (channel + 1);
    return static_cast<float>(amplitude *
                              std::sin(2.0 * std::numbers::pi * hertz * frame / rate + channel));
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
    for (std::int64_t frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < channels; ++channel)
            samples[frame * channels + channel] = SineSample(frame, channel, rate);
    }
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

std::string LittleEndian(std::uint32_t value, int bytes)
{
    std::string text;
    for (int index = 0; index < bytes; ++index)
        text += static_cast<char>((value >> (8 * index)) & 0xFF);
    return text;
}

std::string RiffChunk(const std::string& id, const std::string& body)
{
    return id + LittleEndian(body.size(), 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string Pcm16FormatChunk(int rate, int channels)
{
    return RiffChunk("fmt ", LittleEndian(1, 2) + LittleEndian(channels, 2) +
                                 LittleEndian(rate, 4) + LittleEndian(rate * channels * 2, 4) +
                                 LittleEndian(channels * 2, 2) + LittleEndian(16, 2));
}

std::string WaveFile(const std::string& chunks)
{
    return "RIFF" + LittleEndian(4 + chunks.size(), 4) + "WAVE" + chunks;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
