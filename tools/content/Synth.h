// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>
#include <vector>

// Mono audio at kSampleRate, full scale at +-1.
using Samples = std::vector<float>;
inline constexpr int kSampleRate = 22050;

// One sine partial of a struck or plucked sound: its frequency as a multiple
// of the note's, its level, and how fast it dies away (exponential rate per
// second).
struct Partial
{
    double ratio;
    double level;
    double decayRate;
};

// A struck instrument: its partials and how long the mallet takes to reach
// full loudness (a few milliseconds keeps the start soft instead of clicking).
struct Timbre
{
    std::vector<Partial> partials;
    double attackSeconds;
};

const Timbre& MarimbaTimbre();
const Timbre& GlockenspielTimbre();
const Timbre& XylophoneTimbre();

// Frequency of a MIDI note number (69 is the A at 440 Hz).
double NoteFrequency(int midiNote);

// One note of a struck instrument, `seconds` long, fading out at its end.
Samples StruckNote(const Timbre& timbre, double frequency, double seconds);

// A plucked string (a decaying noise burst in a tuned delay loop), like a harp.
Samples PluckedString(double frequency, double seconds);

// A tone of a few harmonics whose pitch (Hz) and loudness (0 to 1) follow the
// given curves of the time in seconds; harmonicLevels[0] is the fundamental.
Samples ShapedTone(double seconds, const std::function<double(double)>& frequencyAt,
                   const std::function<double(double)>& levelAt,
                   std::span<const double> harmonicLevels);

// Linear fades over the first and the last few milliseconds, so that the
// sound neither starts nor stops with a click.
void FadeEdges(Samples& sound, double fadeInSeconds, double fadeOutSeconds);

// Adds `sound` times `gain` into `target` starting at `atSeconds`, growing
// `target` as needed.
void MixInto(Samples& target, const Samples& sound, double atSeconds, float gain = 1.0f);

// Scales the sound so that its loudest sample reaches `peak`; silence stays.
void NormalisePeak(Samples& sound, float peak);

// Removes the near-silent start and end (below `threshold`), keeping a few
// milliseconds around the sound so that it does not start with a click.
void TrimSilence(Samples& sound, float threshold);
