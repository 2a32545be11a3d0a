#pragma once

#include "platform/TestSeam.h"

#include <QObject>

#include <functional>
#include <memory>

class QWindow;

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

signals:
    // Holds() may have changed.
    void holdChanged();
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
