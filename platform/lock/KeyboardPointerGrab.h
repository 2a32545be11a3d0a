// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/DesktopGrab.h"
#include "platform/lock/X11StackWatch.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <vector>

// The X server's way: the play window holds the keyboard and pointer grab of
// the whole desktop, so the window manager's shortcuts never fire and every
// click, on whichever screen, reaches the play. The hold is looked at again
// when the server tells of something that may undo it (X11StackWatch), on
// every expose and screen change, and every few seconds besides: the play's
// windows are raised when another window lies over them, the play window asks
// for the focus back when it lost it, and the grab, which fails until the
// window is viewable and while another client holds one, is taken again,
// quickly at first, then once a second while it keeps failing.
class KeyboardPointerGrab final : public DesktopGrab
{
    Q_OBJECT

public:
    // Under a Wayland compositor (the program then runs through XWayland) the
    // grab keeps clicks and windows in place but no compositor shortcut away.
    explicit KeyboardPointerGrab(bool underWaylandCompositor);
    ~KeyboardPointerGrab() override;

    void Engage(QWindow* play) override;
    void AddCover(QWindow* cover) override;
    void RemoveCover(QWindow* cover) override;
    void ReleaseAll() override;
    bool Holds() const override { return m_grabbed && !m_underWaylandCompositor; }
    bool CanHold() const override { return !m_underWaylandCompositor; }
    // Another client holds the grab, or the play is not viewable.
    LockLoss WhyNotHeld() const override { return CanHold() ? LockLoss::Refused : LockLoss::NoWay; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LookSoon();
    void Look();
    bool ReassertHold(bool retakeGrab);
    void WatchWindows();
    void SetGrabbed(bool grabbed);

    const bool m_underWaylandCompositor;
    QPointer<QWindow> m_play;
    std::vector<QPointer<QWindow>> m_covers;
    X11StackWatch m_watch;
    QTimer m_lookTimer;
    int m_unsettledLooks = 0; // looks in a row that found something to mend
    bool m_disturbed = false; // something may have undone the hold since the last look
    bool m_grabbed = false;
};
