// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound/SoundFormat.h"

#include <memory>
#include <optional>

class SoundStream;

// Where the sound player sends its sounds: the sound server, or a stand-in.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // The format sounds must be converted to; none while there is no server.
    // Asked for each sound about to play, so an output may take it as a sign
    // that sounds are wanted.
    virtual std::optional<SoundFormat> Format() = 0;
    // Plays the stream as its bytes come, cutting off the sound still playing
    // and abandoning its stream.
    virtual void Play(std::shared_ptr<SoundStream> sound) = 0;
    virtual void Stop() = 0;
};
