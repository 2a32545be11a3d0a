// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <QObject>

#include <functional>
#include <memory>

class QWindow;

// Why the desktop's shortcuts are not held back.
enum class LockLoss {
    NoWay,             // the desktop offers no way to hold them
    Refused,           // the desktop, or its user when it asked, said no
    NotAnswered,       // the desktop gave no answer
    TakenBack,         // granted, then given back to the desktop
    KeyboardElsewhere, // a window of another program has the keyboard
};
// How long the desktop may take to answer, or to hold its shortcuts back
// again after a moment without (the focus moving between the play's
// windows), before they count as not held. A desktop that asks its user has
// this time after the question closes.
constexpr int kLockGraceMs = 2000;

// The loss as the log says it.
const char* DescribeLoss(LockLoss loss);

// One desktop's way of keeping its own shortcuts and other windows away from
// the play: the play window and the covers of the other screens are held
// together, from Engage to ReleaseAll.
class DesktopGrab : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void Engage(QWindow* play) = 0;
    virtual void AddCover(QWindow* cover) = 0;
    virtual void RemoveCover(QWindow* cover) = 0;
    virtual void ReleaseAll() = 0;

    // The desktop's shortcuts are held back right now.
    virtual bool Holds() const = 0;
    // False when this desktop offers no way to hold them at all.
    virtual bool CanHold() const = 0;
    // The desktop may be asking its user whether to hold them: no answer is
    // due while it does.
    virtual bool MayBeAsking() const { return false; }
    // Why they are not held while Holds() is false.
    virtual LockLoss WhyNotHeld() const = 0;

    // A desktop that asks its user before it holds its shortcuts back is
    // asked once on `window`, a window of the parent's, before any play, so
    // that the question comes to the parent rather than over the child's
    // play; the window's own shortcuts are given back as soon as the desktop
    // answers. Others need nothing.
    virtual void AskAhead(QWindow* window) { Q_UNUSED(window); }

signals:
    // Holds() may have changed.
    void holdChanged();
    // The desktop, asked ahead, will not hold its shortcuts back.
    void refusedAhead();
};

// The grab of the desktop the program runs on: Wayland's shortcut inhibitors,
// or the X server's keyboard and pointer grab (which holds nothing back from
// a Wayland compositor when the program runs through XWayland).
std::unique_ptr<DesktopGrab> MakeDesktopGrab();

// Test seam: while an object of this class lives, MakeDesktopGrab hands out
// what its maker makes instead of the desktop's own grab.
class ScriptedDesktopGrabs : public TestSeam<ScriptedDesktopGrabs>
{
public:
    using Maker = std::function<std::unique_ptr<DesktopGrab>()>;
    explicit ScriptedDesktopGrabs(Maker maker) : m_maker(std::move(maker)) {}

private:
    friend std::unique_ptr<DesktopGrab> MakeDesktopGrab();
    Maker m_maker;
};
