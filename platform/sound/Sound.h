// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <string>
#include <vector>

// Connects to the sound server ahead of the first sound, so the first one
// is heard too; waits half a second at most.
void PrepareSound();
// Plays a WAV file asynchronously, cutting off the sound still playing.
// A missing or undecodable file gives a short beep of ours; with no
// sound server nothing is heard and nothing fails.
void PlaySoundFile(const std::string& path);
// Stops the sound that is playing, if any.
void StopSound();

// Test seam: while an object of this class lives, PlaySoundFile and StopSound
// are recorded here instead of reaching the sound device.
class SoundRecorder : public TestSeam<SoundRecorder>
{
public:
    const std::vector<std::string>& Played() const { return m_played; }
    int StopCount() const { return m_stops; }
    void Clear();

private:
    friend void PlaySoundFile(const std::string& path);
    friend void StopSound();
    std::vector<std::string> m_played;
    int m_stops = 0;
};
