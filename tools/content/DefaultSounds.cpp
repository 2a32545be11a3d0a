// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/DefaultSounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr float kTunePeak = 0.7f;
constexpr float kBellPeak = 0.6f;
constexpr float kVoicePeak = 0.8f;
constexpr float kChimeUnderVoice = 0.5f;

// Notes of one instrument, one after another every `spacing` seconds, each
// ringing for `ring` seconds.
Samples Run(const Timbre& timbre, std::initializer_list<int> notes, double spacing, double ring)
{
    Samples tune;
    double at = 0.0;
    for (const int note : notes) {
        MixInto(tune, StruckNote(timbre, NoteFrequency(note), ring), at);
        at += spacing;
    }
    return tune;
}

Samples Finished(Samples sound, float peak)
{
    NormalisePeak(sound, peak);
    return sound;
}

Samples MarimbaArpeggio()
{
    // C major, up to the octave.
    return Finished(Run(MarimbaTimbre(), {72, 76, 79, 84}, 0.11, 0.9), kTunePeak);
}

Samples BellTune()
{
    return Finished(Run(GlockenspielTimbre(), {88, 84, 91}, 0.2, 1.4), kBellPeak);
}

Samples XylophoneRun()
{
    Samples run = Run(XylophoneTimbre(), {91, 88, 86, 84, 81, 79}, 0.07, 0.5);
    // Landing on a soft marimba octave.
    MixInto(run, Run(MarimbaTimbre(), {72, 84}, 0.0, 0.9), 6 * 0.07);
    return Finished(std::move(run), kTunePeak);
}

Samples HarpGlissando()
{
    Samples glissando;
    double at = 0.0;
    // Pentatonic, so every note sounds well with every other while they ring.
    for (const int note : {60, 62, 64, 67, 69, 72, 74, 76, 79}) {
        MixInto(glissando, PluckedString(NoteFrequency(note), 1.2), at);
        at += 0.05;
    }
    return Finished(std::move(glissando), kTunePeak);
}

Samples Boing()
{
    // A spring: the pitch falls and wobbles while the sound dies away.
    const auto frequency = [](double t) {
        const double wobble = 1.0 + 0.12 * std::exp(-3.0 * t) * std::sin(kTwoPi * 14.0 * t);
        return (110.0 + 330.0 * std::exp(-6.0 * t)) * wobble;
    };
    const auto level = [](double t) { return std::min(1.0, t / 0.005) * std::exp(-3.5 * t); };
    constexpr std::array<double, 3> kHarmonics{1.0, 0.3, 0.1};
    return Finished(ShapedTone(0.8, frequency, level, kHarmonics), kTunePeak);
}

Samples Giggle()
{
    // "Hee-hee-hee": short voiced syllables, each bending up and back down,
    // each a little lower than the one before.
    constexpr double kSyllable = 0.085;
    constexpr double kGap = 0.035;
    constexpr std::array<double, 4> kVoice{1.0, 0.5, 0.25, 0.1};
    Samples giggle;
    for (int i = 0; i < 6; ++i) {
        const double base = 1100.0 - 60.0 * i;
        const auto frequency = [base](double t) {
            return base * (1.0 + 0.25 * std::sin(std::numbers::pi * t / kSyllable));
        };
        const auto level = [](double t) {
            const double rise = std::sin(std::numbers::pi * t / kSyllable);
            return rise * rise;
        };
        MixInto(giggle, ShapedTone(kSyllable, frequency, level, kVoice), i * (kSyllable + kGap));
    }
    return Finished(std::move(giggle), kTunePeak);
}

Samples SpokenPart(Samples voice)
{
    NormalisePeak(voice, kVoicePeak);
    return voice;
}

double Seconds(const Samples& sound)
{
    return static_cast<double>(sound.size()) / kSampleRate;
}

} // namespace

std::vector<NamedSound> MakeDefaultSounds()
{
    std::vector<NamedSound> sounds;
    sounds.push_back({"Marimba.wav", MarimbaArpeggio()});
    sounds.push_back({"Bells.wav", BellTune()});
    sounds.push_back({"Xylophone.wav", XylophoneRun()});
    sounds.push_back({"Harp.wav", HarpGlissando()});
    sounds.push_back({"Boing.wav", Boing()});
    sounds.push_back({"Giggle.wav", Giggle()});
    return sounds;
}

Samples MakeHelloSound(const Samples& spokenHello)
{
    constexpr double kVoiceStart = 0.45;
    Samples hello = Run(GlockenspielTimbre(), {79, 84}, 0.25, 1.2);
    NormalisePeak(hello, kChimeUnderVoice);
    MixInto(hello, SpokenPart(spokenHello), kVoiceStart);
    return Finished(std::move(hello), kVoicePeak);
}

Samples MakeGoodByeSound(const Samples& spokenGoodBye)
{
    constexpr double kPause = 0.1;
    Samples goodBye = SpokenPart(spokenGoodBye);
    Samples chime = Run(MarimbaTimbre(), {84, 79, 76, 72}, 0.12, 0.9);
    NormalisePeak(chime, kChimeUnderVoice);
    MixInto(goodBye, chime, Seconds(goodBye) + (goodBye.empty() ? 0.0 : kPause));
    return Finished(std::move(goodBye), kVoicePeak);
}
