// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InputClock.h"

namespace {

std::chrono::nanoseconds Now()
{
    if (const ScriptedClock* const scripted = ScriptedClock::Active())
        return scripted->Now();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace

double InputClock::ElapsedSeconds() const
{
    return std::chrono::duration<double>(Now() - m_last).count();
}

void InputClock::RestartClock()
{
    m_last = Now();
}
