#include "platform/WavDecoder.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sndfile.h>

namespace {

struct SndFileCloser
{
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

// Samples read per step, so a stop request is seen soon and a file with many
// channels does not need a large buffer.
constexpr std::int64_t kSamplesPerRead = 64 * 1024;

bool IsWavContainer(int format)
{
    const int container = format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX ||
           container == SF_FORMAT_RF64;
}

} // namespace

std::optional<DecodedSound> DecodeWav(const std::string& path, std::stop_token stop,
                                      const DecodeLimits& limits)
{
    // Only regular files: opening a FIFO or a device could block forever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;

    SF_INFO info{};
    const SndFilePtr file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || !IsWavContainer(info.format) || info.channels < 1 || info.samplerate < 1)
        return std::nullopt;

    DecodedSound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    // The claimed length is not trusted: the samples grow as they are read.
    const std::int64_t maxFrames =
        std::min(limits.maxSeconds * info.samplerate, limits.maxSamples / info.channels);
    const std::int64_t framesPerRead = std::max<std::int64_t>(1, kSamplesPerRead / info.channels);
    std::int64_t frames = 0;
    while (frames < maxFrames) {
        if (stop.stop_requested())
            return std::nullopt;
        const std::int64_t wanted = std::min(framesPerRead, maxFrames - frames);
        sound.samples.resize((frames + wanted) * info.channels);
        const sf_count_t got =
            sf_readf_float(file.get(), sound.samples.data() + frames * info.channels, wanted);
        frames += std::max<sf_count_t>(got, 0);
        if (got < wanted)
            break;
    }
    sound.samples.resize(frames * info.channels);
    if (frames == 0)
        return std::nullopt;
    return sound;
}
