// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/Sound.h"

#include "platform/sound/PulseSoundOutput.h"
#include "platform/sound/SoundPlayer.h"

#include <QCoreApplication>

namespace {

SoundPlayer* player = nullptr;

// The player goes while the application still exists, before its own teardown.
void DestroyPlayer()
{
    delete player;
    player = nullptr;
}

SoundPlayer* Player()
{
    if (!player && QCoreApplication::instance()) {
        player = new SoundPlayer(std::make_unique<PulseSoundOutput>());
        qAddPostRoutine(DestroyPlayer);
    }
    return player;
}

} // namespace

void PrepareSound()
{
    Player();
}

void PlaySoundFile(const std::string& path)
{
    if (SoundRecorder* const recorder = SoundRecorder::Active()) {
        recorder->m_played.push_back(path);
    } else if (SoundPlayer* const soundPlayer = Player()) {
        soundPlayer->Play(path);
    }
}

void StopSound()
{
    if (SoundRecorder* const recorder = SoundRecorder::Active()) {
        ++recorder->m_stops;
    } else if (player) {
        player->Stop();
    }
}

void SoundRecorder::Clear()
{
    m_played.clear();
    m_stops = 0;
}
