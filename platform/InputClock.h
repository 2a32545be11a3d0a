// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <chrono>

// The steady clock stamped at the last accepted input. The key delay and the
// auto display both measure from that stamp.
class InputClock
{
public:
    InputClock() { RestartClock(); }

    // Seconds since the last RestartClock.
    double ElapsedSeconds() const;
    // Stamps the clock now.
    void RestartClock();

private:
    std::chrono::nanoseconds m_last{};
};

// Test seam: while an object of this class lives, every InputClock reads the
// time the test sets instead of the steady clock. It starts at 0.
class ScriptedClock : public TestSeam<ScriptedClock>
{
public:
    void Set(std::chrono::nanoseconds now) { m_now = now; }
    std::chrono::nanoseconds Now() const { return m_now; }

private:
    std::chrono::nanoseconds m_now{};
};
