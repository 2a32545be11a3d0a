// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/ReconnectPace.h"

std::optional<ReconnectPace::Clock::time_point> ReconnectPace::NextLook() const
{
    if (!m_lastSound)
        return std::nullopt;
    const Clock::time_point due = m_lastLook ? *m_lastLook + kLookEvery : *m_lastSound;
    if (due > *m_lastSound + kQuietAfter)
        return std::nullopt;
    return due;
}
