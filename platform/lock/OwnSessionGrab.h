// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/DesktopGrab.h"

// The program's own locked session: its compositor runs nothing but the
// program and has no shortcuts, corners or gestures of its own, so there is
// nothing to hold back and the lock always holds.
class OwnSessionGrab final : public DesktopGrab
{
    Q_OBJECT

public:
    void Engage(QWindow*) override {}
    void AddCover(QWindow*) override {}
    void RemoveCover(QWindow*) override {}
    void ReleaseAll() override {}
    bool Holds() const override { return true; }
    bool CanHold() const override { return true; }
    LockLoss WhyNotHeld() const override { return LockLoss::NoWay; }
};
