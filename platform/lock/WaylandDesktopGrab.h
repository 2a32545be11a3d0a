#pragma once

#include "platform/lock/DesktopGrab.h"
#include "platform/lock/ShortcutsInhibitors.h"
#include "platform/lock/WaylandInhibitClient.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <vector>

// The Wayland way: each window of the play asks the compositor to keep its
// shortcuts away while it has the keyboard (the keyboard-shortcuts-inhibit
// protocol, which Qt does not speak itself). The compositor may ask the user
// first, refuse, or give its shortcuts back later; Holds() follows its word
// on the window of the play that has the keyboard.
class WaylandDesktopGrab final : public DesktopGrab
{
    Q_OBJECT

public:
    WaylandDesktopGrab();
    ~WaylandDesktopGrab() override;

    void Engage(QWindow* play) override;
    void AddCover(QWindow* cover) override;
    void RemoveCover(QWindow* cover) override;
    void ReleaseAll() override;
    bool Holds() const override { return m_held; }
    bool CanHold() const override { return m_client.Available(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWindow* window);
    void AskFor(QWindow* window);
    void Forget(QWindow* window);
    QWindow* KeyboardWindow() const;
    void UpdateHeld();

    WaylandInhibitClient m_client;
    ShortcutsInhibitors m_inhibitors;
    std::vector<QPointer<QWindow>> m_windows;
    QTimer m_dispatchTimer;
    bool m_held = false;
};
