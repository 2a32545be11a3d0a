// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>

// When the sound output looks for an absent sound server: every look costs a
// connection attempt (sockets, the client configuration, shared memory), so
// looks come at most once a second, and only while sounds are wanted: none
// once no sound was asked for a minute. A sound asked for after a quiet spell
// makes the next look due at once.
class ReconnectPace
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kLookEvery = std::chrono::seconds(1);
    static constexpr Clock::duration kQuietAfter = std::chrono::minutes(1);

    void Looked(Clock::time_point when) { m_lastLook = when; }
    void SoundAsked(Clock::time_point when) { m_lastSound = when; }

    // When the next look is due, possibly already past; none while no sound
    // was asked for within kQuietAfter of it.
    std::optional<Clock::time_point> NextLook() const;

private:
    std::optional<Clock::time_point> m_lastLook;
    std::optional<Clock::time_point> m_lastSound;
};
