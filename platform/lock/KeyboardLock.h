// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/DesktopGrab.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;
class QWindow;

// Keeps a child in the play: while engaged, the keys its owner names are
// swallowed before any handler of the play's windows sees them, the desktop's own shortcuts are
// held back (DesktopGrab), and whenever another window of the program takes the focus it goes back
// to the play window. When the desktop's shortcuts cannot be held back, or are given back to the
// desktop during the play, the play goes on: the lock then counts as lost, which it tells the play
// and, once a play, standard error.
class KeyboardLock : public QObject
{
    Q_OBJECT

public:
    // Says which keys the lock swallows.
    using KeyFilter = bool (*)(const QKeyEvent& event);

    KeyboardLock(std::unique_ptr<DesktopGrab> grab, KeyFilter swallows, QObject* parent = nullptr);
    ~KeyboardLock() override;

    // Asks the desktop ahead, on `window`, a window of the parent's, whether
    // a play may hold its shortcuts back (see DesktopGrab::AskAhead).
    void AskAhead(QWidget* window);
    void Engage(QWidget* play);
    // The cover of another screen: its keys are filtered the same way and it
    // holds the desktop's shortcuts back with the play window.
    void AddCover(QWidget* cover);
    void RemoveCover(QWidget* cover);
    void Release();
    bool IsEngaged() const { return !m_play.isNull(); }
    // The desktop's shortcuts work during this play: they could not be held
    // back within a grace time after the desktop's answer was due, or the
    // desktop took them back.
    bool IsLost() const { return m_lost; }

signals:
    void lostChanged(bool lost);
    // The desktop, asked ahead, will not hold its shortcuts back.
    void refusedAhead();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EngageGrab();
    bool IsPlayWidget(const QObject* object) const;
    void ActivatePlayFrom(const QObject* watched);
    void OnFocusWindowChanged(QWindow* focus);
    void UpdateLost();
    void SetLost(bool lost);

    std::unique_ptr<DesktopGrab> m_grab;
    KeyFilter m_swallows;
    QPointer<QWidget> m_play;
    std::vector<QPointer<QWidget>> m_covers;
    QTimer m_graceTimer;
    bool m_grabEngaged = false;
    bool m_lost = false;
    bool m_lossReported = false;
};
