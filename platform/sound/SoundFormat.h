// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The form of the bytes a sound output plays: interleaved frames of
// `channels` samples, `sampleRate` frames a second, each sample encoded as
// `sample` in the machine's byte order.
struct SoundFormat
{
    enum class Sample { UInt8, Int16, Int32, Float };

    int sampleRate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;

    bool IsValid() const { return sampleRate > 0 && channels > 0; }
    int BytesPerSample() const
    {
        switch (sample) {
        case Sample::UInt8:
            return 1;
        case Sample::Int16:
            return 2;
        case Sample::Int32:
        case Sample::Float:
            return 4;
        }
        return 0;
    }
    int BytesPerFrame() const { return channels * BytesPerSample(); }
    bool operator==(const SoundFormat&) const = default;
};
