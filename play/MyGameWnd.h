// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/KeyboardLock.h"
#include "play/FullScreenHold.h"
#include "play/InputQueue.h"
#include "play/PlayCanvas.h"
#include "play/QuitWord.h"
#include "play/ScreenCovers.h"

#include <QWidget>

// The full-screen, topmost play window. It hands its keys to the quit word
// and, with its clicks, to the input queue, and shows the canvas; it holds
// the keyboard lock and the covers of the other screens with it. One object
// serves every play, run by the PlaySession that owns it.
class CMyGameWnd : public QWidget
{
    Q_OBJECT

public:
    // `answers` are the play's answers to the inputs the window takes.
    explicit CMyGameWnd(InputQueue::Answers answers);
    ~CMyGameWnd() override;

    // The collaborators the session runs each play with.
    KeyboardLock& Lock() { return m_lock; }
    ScreenCovers& Covers() { return m_covers; }
    PlayCanvas& Canvas() { return m_canvas; }
    InputQueue& Inputs() { return m_inputs; }
    QuitWord& Quit() { return m_quitWord; }

    // Covers the other screens in the background's colour, then shows the
    // window over the whole primary screen, on top of every other.
    void EnterFullScreen();
    // Takes the window and the covers down.
    void Leave();
    // `window` is the play window's or a cover's.
    bool OwnsWindow(const QWindow* window) const;

signals:
    // The parent has typed the quit word on the play window or a cover.
    void quitWordTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    KeyboardLock m_lock;
    ScreenCovers m_covers;
    FullScreenHold m_fullScreenHold{*this};
    PlayCanvas m_canvas{*this};
    InputQueue m_inputs;
    QuitWord m_quitWord;
};
