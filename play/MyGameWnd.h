// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InputClock.h"
#include "platform/lock/KeyboardLock.h"
#include "play/FullScreenHold.h"
#include "play/PicturePrefetch.h"
#include "play/PlayDeck.h"
#include "play/PlayRandom.h"
#include "play/ScreenCovers.h"

#include <QImage>
#include <QWidget>

#include <deque>
#include <string>
#include <vector>

struct Settings;

// The full-screen, topmost play window: it answers the keys and clicks of a
// play and draws its frames. One object serves every play, run by the
// PlaySession that owns it.
class CMyGameWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CMyGameWnd(Settings& settings);
    ~CMyGameWnd() override;

    double ElapsedSeconds() const { return m_clock.ElapsedSeconds(); }
    // Asks the desktop ahead, on the parent's `window`, whether the plays may
    // hold its shortcuts back; lockRefusedAhead() tells a refusal.
    void AskLockAhead(QWidget& window) { m_lock.AskAhead(&window); }
    // `window` is the play window's or a cover's.
    bool OwnsWindow(const QWindow* window) const;

    // Read by tests.
    const PlayDeck& Deck() const { return m_deck; }
    // In device pixels, with the screen's device pixel ratio.
    const QImage& BackBuffer() const { return m_backBuffer; }
    PlayColors Colors() const { return m_colors; }
    const std::string& CurrentSound() const { return m_currentSound; }
    int QuitState() const { return m_quitState; }
    PlayRandom& Random() { return m_random; }
    const KeyboardLock& Lock() const { return m_lock; }
    const ScreenCovers& Covers() const { return m_covers; }
    // Inputs accepted but not answered yet: their picture is being made ready.
    bool HasWaitingInput() const { return !m_waitingInputs.empty(); }

signals:
    // The parent has typed the quit word on the play window or a cover.
    void quitWordTyped();
    // The desktop, asked ahead, will not hold its shortcuts back.
    void lockRefusedAhead();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The steps of a play, run in their order by the session only.
    friend class PlaySession;
    // Prepares a play: lock-down, clock, random seed, deck, colours, greeting
    // sound. False (with the lock-down released) when there is nothing to show.
    bool StartPlay();
    // Shows the window over the whole primary screen, on top of every other,
    // and covers the other screens.
    void EnterFullScreen();
    // Creates the back buffer and paints the first frame into it.
    void PrepareBackground();
    // Puts the back buffer on the screen.
    void PresentFrame();
    // Ends the play: hides the window and the covers, releases the lock-down
    // and the back buffer, and plays the farewell sound.
    void EndPlay();
    // Gives the lock-down back after a start that failed past StartPlay.
    void CancelPlay() { m_lock.Release(); }
    // The reaction to one accepted input or auto-display tick: the next
    // picture, drawn as soon as it is ready.
    void ShowNextPicture();

    enum class PlayInput {
        ShowPicture,
        ReplaySound, // shows a picture when there is no sound to replay
    };

    void OnKeyDown(const QKeyEvent& event);
    void Submit(PlayInput input);
    void RunWaitingInputs();
    bool Accept(PlayInput input);
    bool PassesKeyDelay() const;
    bool DrawReadyPicture();
    bool DrawPicture(const PicturePick& pick);
    void ForgetWaitingInputs();
    PickRules Rules() const;
    // The play screen's size in logical pixels, the unit of every draw.
    QSize ScreenSize() const;
    void FillBackground(QPainter& painter) const;
    void DrawHint(QPainter& painter) const;
    std::vector<const QString*> LastingHintLines() const;
    void SetHintFont(QPainter& painter) const;
    QRect HintLineRect(QPainter& painter, const QString& text, int top) const;
    QRect NotLockedLineRect(QPainter& painter) const;
    void DrawHintLine(QPainter& painter, const QRect& rect, const QString& text) const;
    void OnLockLostChanged(bool lost);
    void PlayPictureSound();
    void ChooseColors();

    Settings& m_settings;
    InputClock m_clock;
    KeyboardLock m_lock;
    ScreenCovers m_covers;
    FullScreenHold m_fullScreenHold{*this};
    PlayRandom m_random;
    PlayDeck m_deck;
    DeckPictures m_pictures;    // m_deck's pictures, shared with the prefetch
    PicturePrefetch m_prefetch; // the next picture, made ready from m_pictures
    std::deque<PlayInput> m_waitingInputs;
    bool m_pictureDue = false; // the first waiting input was accepted
    PlayColors m_colors;
    QImage m_backBuffer;
    std::string m_currentSound;
    int m_currentIndex = 0;
    int m_quitState = 0;
    bool m_x11KeyCodes = false;
    bool m_touchNote = false; // the hint says that touch gestures stay active
    quint64 m_busyUntilTimestamp = 0;
};
