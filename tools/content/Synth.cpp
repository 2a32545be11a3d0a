// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <numeric>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kFadeOutSeconds = 0.015;
constexpr double kTrimMarginSeconds = 0.01;
constexpr double kPluckAttackSeconds = 0.002;

std::size_t SampleCount(double seconds)
{
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate);
}

// A repeatable noise source, so every build makes the same sounds.
class NoiseSource
{
public:
    float Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<float>(m_state >> 8) / static_cast<float>(1u << 23) - 1.0f;
    }

private:
    std::uint32_t m_state = 12345u;
};

} // namespace

const Timbre& MarimbaTimbre()
{
    // A tuned wooden bar: strong fundamental, the fourth-ish overtone of the
    // bar's cut, and a faint high one that gives the mallet's knock.
    static const Timbre timbre{{{1.0, 1.0, 5.0}, {3.93, 0.30, 16.0}, {9.2, 0.06, 40.0}}, 0.004};
    return timbre;
}

const Timbre& GlockenspielTimbre()
{
    // Small metal bars ring long, with inharmonic overtones.
    static const Timbre timbre{
        {{1.0, 1.0, 2.2}, {2.76, 0.35, 4.5}, {5.40, 0.15, 8.0}, {8.93, 0.05, 14.0}}, 0.002};
    return timbre;
}

const Timbre& XylophoneTimbre()
{
    static const Timbre timbre{{{1.0, 1.0, 9.0}, {3.0, 0.25, 20.0}, {6.0, 0.08, 35.0}}, 0.003};
    return timbre;
}

double NoteFrequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

Samples StruckNote(const Timbre& timbre, double frequency, double seconds)
{
    Samples note(SampleCount(seconds));
    const double nyquist = kSampleRate / 2.0;
    for (std::size_t i = 0; i < note.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::min(1.0, t / timbre.attackSeconds);
        double value = 0.0;
        for (const Partial& partial : timbre.partials) {
            const double f = frequency * partial.ratio;
            if (f < nyquist) {
                value +=
                    partial.level * std::exp(-partial.decayRate * t) * std::sin(kTwoPi * f * t);
            }
        }
        note[i] = static_cast<float>(attack * value);
    }
    FadeEdges(note, 0.0, kFadeOutSeconds);
    return note;
}

Samples PluckedString(double frequency, double seconds)
{
    // Karplus-Strong: a delay line of N samples fed back through an averager
    // (half a sample of delay) and an all-pass filter that tunes the loop by
    // the fraction d, so that N + 0.5 + d samples make exactly one period.
    const double loopDelay = kSampleRate / frequency;
    const auto length = static_cast<std::size_t>(std::max(2.0, std::floor(loopDelay - 0.6)));
    const double fraction = loopDelay - 0.5 - static_cast<double>(length);
    const auto allPass = static_cast<float>((1.0 - fraction) / (1.0 + fraction));

    Samples line(length);
    NoiseSource noise;
    float previous = 0.0f;
    for (float& value : line) {
        // Softened noise: a felt pluck rather than a sharp one.
        previous = 0.5f * previous + 0.5f * noise.Next();
        value = previous;
    }
    // The loop keeps its mean for a long time: remove it, or the string
    // would push the speaker off centre.
    const float mean = std::accumulate(line.begin(), line.end(), 0.0f) / static_cast<float>(length);
    for (float& value : line) {
        value -= mean;
    }

    constexpr float kLoopDamping = 0.996f;
    Samples sound(SampleCount(seconds));
    float lastOut = 0.0f;
    float allPassIn = 0.0f;
    float allPassOut = 0.0f;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        float& slot = line[i % length];
        const float out = slot;
        const float averaged = kLoopDamping * 0.5f * (out + lastOut);
        allPassOut = allPass * averaged + allPassIn - allPass * allPassOut;
        allPassIn = averaged;
        lastOut = out;
        slot = allPassOut;
        sound[i] = out;
    }
    FadeEdges(sound, kPluckAttackSeconds, kFadeOutSeconds);
    return sound;
}

Samples ShapedTone(double seconds, const std::function<double(double)>& frequencyAt,
                   const std::function<double(double)>& levelAt,
                   std::span<const double> harmonicLevels)
{
    Samples tone(SampleCount(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < tone.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double frequency = frequencyAt(t);
        double value = 0.0;
        for (std::size_t h = 0; h < harmonicLevels.size(); ++h) {
            if (frequency * static_cast<double>(h + 1) < kSampleRate / 2.0) {
                value += harmonicLevels[h] * std::sin(phase * static_cast<double>(h + 1));
            }
        }
        tone[i] = static_cast<float>(levelAt(t) * value);
        phase = std::fmod(phase + kTwoPi * frequency / kSampleRate, kTwoPi);
    }
    FadeEdges(tone, 0.0, kFadeOutSeconds);
    return tone;
}

void FadeEdges(Samples& sound, double fadeInSeconds, double fadeOutSeconds)
{
    const std::size_t fadeIn = std::min(sound.size(), SampleCount(fadeInSeconds));
    for (std::size_t i = 0; i < fadeIn; ++i) {
        sound[i] *= static_cast<float>(i) / static_cast<float>(fadeIn);
    }
    const std::size_t fadeOut = std::min(sound.size(), SampleCount(fadeOutSeconds));
    for (std::size_t i = 0; i < fadeOut; ++i) {
        sound[sound.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fadeOut);
    }
}

void MixInto(Samples& target, const Samples& sound, double atSeconds, float gain)
{
    const std::size_t start = SampleCount(atSeconds);
    if (target.size() < start + sound.size()) {
        target.resize(start + sound.size(), 0.0f);
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
        target[start + i] += gain * sound[i];
    }
}

void NormalisePeak(Samples& sound, float peak)
{
    float loudest = 0.0f;
    for (const float value : sound) {
        loudest = std::max(loudest, std::abs(value));
    }
    if (loudest <= 0.0f) {
        return;
    }
    const float scale = peak / loudest;
    for (float& value : sound) {
        value *= scale;
    }
}

void TrimSilence(Samples& sound, float threshold)
{
    const auto loud = [threshold](float value) { return std::abs(value) >= threshold; };
    const auto first = std::find_if(sound.begin(), sound.end(), loud);
    if (first == sound.end()) {
        sound.clear();
        return;
    }
    const auto last = std::find_if(sound.rbegin(), sound.rend(), loud).base();
    const auto margin = static_cast<std::ptrdiff_t>(SampleCount(kTrimMarginSeconds));
    const auto keepFrom = first - std::min(margin, first - sound.begin());
    const auto keepTo = last + std::min(margin, sound.end() - last);
    sound = Samples(keepFrom, keepTo);
}
