// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound/SoundFormat.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct DecodedSound;

// Converts a sound, piece by piece as it is decoded, to the bytes a device of
// the given format plays: linear resampling to its rate, mapping onto its
// channels, encoding in its sample format. The pieces must share one rate and
// channel count; the output is the same however the sound is cut into pieces.
class SoundConverter
{
public:
    explicit SoundConverter(const SoundFormat& format);

    // False when the format cannot be played: every conversion is empty.
    bool IsValid() const { return m_valid; }
    // The bytes of the next piece; the last piece (which may be empty) also
    // gives the frames held back to interpolate across the pieces' seams.
    QByteArray Convert(const DecodedSound& piece, bool last);

private:
    SoundFormat m_format;
    bool m_valid;
    int m_fromRate = 0;
    int m_fromChannels = 0;
    std::int64_t m_framesIn = 0;    // source frames seen so far
    std::int64_t m_framesOut = 0;   // device frames produced so far
    std::vector<float> m_lastFrame; // the source frame before the piece
};

// Converts a whole sound at once. Empty when the format cannot be played.
QByteArray ConvertForDevice(const DecodedSound& sound, const SoundFormat& format);
