// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/WavReader.h"

#include "platform/files/FileFacts.h"

#include <algorithm>
#include <sndfile.h>

namespace {

bool IsWavContainer(int format)
{
    const int container = format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX ||
           container == SF_FORMAT_RF64;
}

} // namespace

void WavReader::Closer::operator()(SNDFILE* file) const
{
    sf_close(file);
}

WavReader::WavReader(SNDFILE* file, int sampleRate, int channels)
    : m_file(file), m_sampleRate(sampleRate), m_channels(channels)
{
}

std::optional<WavReader> WavReader::Open(const std::string& path)
{
    if (!IsRegularFile(path))
        return std::nullopt;

    SF_INFO info{};
    std::unique_ptr<SNDFILE, Closer> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || !IsWavContainer(info.format) || info.channels < 1 || info.samplerate < 1)
        return std::nullopt;
    return WavReader(file.release(), info.samplerate, info.channels);
}

DecodedSound WavReader::Read(std::int64_t maxFrames)
{
    DecodedSound piece{m_sampleRate, m_channels, {}};
    piece.samples.resize(std::max<std::int64_t>(maxFrames, 0) * m_channels);
    const sf_count_t got = sf_readf_float(m_file.get(), piece.samples.data(), maxFrames);
    piece.samples.resize(std::max<sf_count_t>(got, 0) * m_channels);
    return piece;
}
