// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/MyGameWnd.h"

#include <QObject>
#include <QTimer>

struct Settings;
class QWidget;

// A play from Start to its end, in its one order: the settings read from the
// file, the deck, the lock-down, the play window over every screen and its
// first frame; then the time limit and the auto display while it runs; and
// the end by the quit word or the time limit. One object serves every play.
class PlaySession : public QObject
{
    Q_OBJECT

public:
    // `owner` is the window the play's messages belong to; the play window
    // takes its icon.
    PlaySession(Settings& settings, QWidget& owner);

    // Starts a play, or tells the parent with a message why it cannot.
    void Start();
    // Set exactly from the end of a start to the end of the play.
    bool IsPlaying() const;
    // Asks the desktop once, on the parent's `window`, whether the plays may
    // hold its shortcuts back, so that a desktop that asks its user asks the
    // parent there and not over the child's play.
    void AskLockAhead(QWidget& window) { m_window.AskLockAhead(window); }

    // Read by tests.
    CMyGameWnd& Window() { return m_window; }
    const QTimer& TimeLimitTimer() const { return m_timeLimitTimer; }
    const QTimer& AutoDisplayTimer() const { return m_autoDisplayTimer; }

signals:
    // The play will go on: its window shows right after.
    void starting();
    // The play is over and its window gone; the time limit's message comes
    // after this.
    void ended();
    // The desktop, asked ahead, will not hold its shortcuts back: no play
    // will lock the system keys.
    void lockRefusedAhead();

private:
    bool CreateNativeWindow();
    void End();
    void OnTimeLimit();
    void OnAutoDisplayTick();

    Settings& m_settings;
    QWidget& m_owner;
    CMyGameWnd m_window;
    QTimer m_timeLimitTimer;
    QTimer m_autoDisplayTimer;
};
