#pragma once

#include <cstdint>
#include <string>

// The test sound: a different sine on each channel, so swapped or shifted
// channels show.
float SineSample(std::int64_t frame, int channel, int rate);

// Writes the test sound with libsndfile in the given format (container and
// encoding); false when libsndfile cannot write that format.
bool WriteSineWav(const std::string& path, int format, int rate, int channels, std::int64_t frames);

// A RIFF chunk with its header and, after an odd-sized body, the pad byte.
std::string RiffChunk(const std::string& id, const std::string& body);
// A 16-bit PCM "fmt " chunk.
std::string Pcm16FormatChunk(int rate, int channels);
// A RIFF WAVE file made of the given chunks.
std::string WaveFile(const std::string& chunks);
std::string LittleEndian(std::uint32_t value, int bytes);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
