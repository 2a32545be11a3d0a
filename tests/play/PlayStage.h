// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlayLibrary.h"

#include "library/Settings.h"
#include "platform/InputClock.h"
#include "platform/MessageBox.h"
#include "platform/sound/Sound.h"
#include "play/PlaySession.h"
#include "tests/support/FakeDesktopGrab.h"
#include "tests/support/QuitWordKeys.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

// Plays on a temporary library, on a desktop that holds its shortcuts back,
// with a clock the test sets by hand and every message and sound recorded.
// The settings start as a fresh install's with no key delay, no time limit
// and no auto display. The session is made on first use, so a test may
// change the desktop before.
class PlayStage : public ::testing::Test
{
protected:
    PlayStage();

    PlaySession& Session();
    CMyGameWnd& Window() { return Session().Window(); }
    // The session's timer of that name: "timeLimit" or "autoDisplay".
    const QTimer& Timer(const char* name);
    // Until every input that waits for its picture has been answered.
    bool InputsAnswered();
    // Writes the settings to the file a start reads, then starts a play.
    void StartSession();
    // The quit word typed on the play window or a cover.
    static void TypeQuitWord(QWidget& target);

    PlayLibrary m_library;
    Settings m_settings;
    ScriptedClock m_clock;
    FakeDesktop m_desktop;
    SoundRecorder m_sounds;
    ScriptedMessages m_messages;
    QWidget m_owner; // the welcome dialog's place
    std::unique_ptr<PlaySession> m_session;
};
