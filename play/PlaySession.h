// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/MyGameWnd.h"
#include "play/PictureSupply.h"

#include <QObject>
#include <QTimer>

#include <string>

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
    bool IsPlaying() const { return m_playing; }
    // Asks the desktop once, on the parent's `window`, whether the plays may
    // hold its shortcuts back, so that a desktop that asks its user asks the
    // parent there and not over the child's play.
    void AskLockAhead(QWidget& window) { m_window.Lock().AskAhead(&window); }
    // The play window, which tells the windows of the play from the others.
    CMyGameWnd& Window() { return m_window; }

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
    bool PrepareToPlay();
    bool CreateNativeWindow();
    void ShowFirstFrame();
    void End();
    bool ReplaySound();
    bool ShowReadyPicture();
    void ShowPicture(const PicturePick& pick);
    void OnTimeLimit();
    void OnAutoDisplayTick();

    Settings& m_settings;
    QWidget& m_owner;
    PictureSupply m_pictures;
    CMyGameWnd m_window;
    // Children of the session named "timeLimit" and "autoDisplay".
    QTimer m_timeLimitTimer{this};
    QTimer m_autoDisplayTimer{this};
    std::string m_currentSound; // of the picture shown last, which A replays
    bool m_playing = false;
};
