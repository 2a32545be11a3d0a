#pragma once

#include "platform/lock/DesktopGrab.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <vector>

// The X server's way: the play window holds the keyboard and pointer grab of
// the whole desktop, so the window manager's shortcuts never fire and every
// click, on whichever screen, reaches the play. The grab fails until the
// window is viewable and is lost when another client takes it, so it is taken
// again on every expose and every 100 ms; each time the play's windows are
// raised above any window that was mapped over them and the play window asks
// for the focus back, so a window of another program that pops up steals
// nothing.
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
    void ReassertHold();
    void SetGrabbed(bool grabbed);

    const bool m_underWaylandCompositor;
    QPointer<QWindow> m_play;
    std::vector<QPointer<QWindow>> m_covers;
    QTimer m_keepTimer;
    bool m_grabbed = false;
};
