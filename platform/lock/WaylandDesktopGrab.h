// SPDX-License-Identifier: GPL-3.0-or-later
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
// on the window of the play that has the keyboard. While an answer is due and
// no window of the program has the keyboard, the compositor may be showing
// its question.
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
    bool MayBeAsking() const override { return m_asking; }
    LockLoss WhyNotHeld() const override;
    void AskAhead(QWindow* window) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Part = ShortcutsInhibitors::Part;

    void Watch(QWindow* window);
    void AskFor(QWindow* window);
    void Forget(QWindow* window);
    void TakeKeyboard();
    Part PartOf(const QWindow* window) const;
    QWindow* KeyboardWindow() const;
    void OnAnswer(InhibitorRequests::Inhibitor inhibitor, bool active);
    void OnFocusWindowChanged(QWindow* focus);
    void Update();
    void UpdateHeld();
    void UpdateAhead();
    void FinishAhead(bool granted, const char* how);
    void EndAhead();
    void DispatchWhileNeeded();

    WaylandInhibitClient m_client;
    ShortcutsInhibitors m_inhibitors;
    QPointer<QWindow> m_play;
    std::vector<QPointer<QWindow>> m_covers;
    QPointer<QWindow> m_ahead; // the window asked on ahead, until the answer
    bool m_askedAhead = false;
    bool m_refusedAhead = false;
    bool m_playAskedForKeyboard = false;
    QTimer m_aheadTimer;                      // the time the answer to the question ahead may take
    QMetaObject::Connection m_dispatchOnWait; // delivers the compositor's answers
    bool m_held = false;
    bool m_asking = false;
};
