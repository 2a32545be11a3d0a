#include "platform/Sound.h"

#include "platform/AudioSinkOutput.h"
#include "platform/SoundPlayer.h"

#include <QCoreApplication>

namespace {

SoundRecorder* activeRecorder = nullptr;
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
        player = new SoundPlayer(std::make_unique<AudioSinkOutput>());
        qAddPostRoutine(DestroyPlayer);
    }
    return player;
}

} // namespace

void PlaySoundFile(const std::string& path)
{
    if (activeRecorder) {
        activeRecorder->m_played.push_back(path);
    } else if (SoundPlayer* const soundPlayer = Player()) {
        soundPlayer->Play(path);
    }
}

void StopSound()
{
    if (activeRecorder) {
        ++activeRecorder->m_stops;
    } else if (player) {
        player->Stop();
    }
}

SoundRecorder::SoundRecorder() : m_outer(activeRecorder)
{
    activeRecorder = this;
}

SoundRecorder::~SoundRecorder()
{
    activeRecorder = m_outer;
}

void SoundRecorder::Clear()
{
    m_played.clear();
    m_stops = 0;
}
