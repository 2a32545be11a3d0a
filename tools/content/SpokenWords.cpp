// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/SpokenWords.h"

#include "tools/content/WavFile.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>

namespace {

constexpr int kSpeakTimeoutMs = 20000;
constexpr float kSilenceLevel = 0.01f;
constexpr double kEdgeFadeSeconds = 0.005;

// Linear interpolation is enough for speech that is already band-limited.
Samples Resample(const Samples& sound, int fromRate)
{
    if (fromRate == kSampleRate || sound.empty()) {
        return sound;
    }
    const double step = static_cast<double>(fromRate) / kSampleRate;
    const auto count = static_cast<std::size_t>(static_cast<double>(sound.size()) / step);
    Samples result(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = static_cast<double>(i) * step;
        const auto left = static_cast<std::size_t>(at);
        const std::size_t right = std::min(left + 1, sound.size() - 1);
        const auto fraction = static_cast<float>(at - std::floor(at));
        result[i] = sound[left] + fraction * (sound[right] - sound[left]);
    }
    return result;
}

} // namespace

Samples SpeakWords(const std::string& text)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return {};
    }
    const QString wavPath = scratch.filePath(QStringLiteral("speech.wav"));
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"),
                 {QStringLiteral("-v"), QStringLiteral("en"), QStringLiteral("-s"),
                  QStringLiteral("140"), QStringLiteral("-p"), QStringLiteral("60"),
                  QStringLiteral("-w"), wavPath, QString::fromStdString(text)});
    if (!espeak.waitForFinished(kSpeakTimeoutMs) || espeak.exitStatus() != QProcess::NormalExit ||
        espeak.exitCode() != 0) {
        espeak.kill();
        espeak.waitForFinished();
        return {};
    }
    const auto audio = ReadWav(wavPath.toStdString());
    if (!audio) {
        return {};
    }
    Samples speech = Resample(audio->samples, audio->sampleRate);
    TrimSilence(speech, kSilenceLevel);
    FadeEdges(speech, kEdgeFadeSeconds, kEdgeFadeSeconds);
    return speech;
}
