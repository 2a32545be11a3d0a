// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlaySession.h"

#include "library/Settings.h"
#include "platform/MessageBox.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kAutoDisplayTickMs = 800;

// The time limit as a timer interval: like the desktop's own timers, a value
// too large (or negative) waits as long as a timer can, and 0 fires at once.
int TimeLimitIntervalMs(std::int32_t minutes)
{
    constexpr std::int64_t kMinimumMs = 10;
    const std::int64_t ms = static_cast<std::int64_t>(minutes) * 60000;
    if (ms < 0 || ms > INT_MAX)
        return INT_MAX;
    return static_cast<int>(std::max(ms, kMinimumMs));
}

} // namespace

PlaySession::PlaySession(Settings& settings, QWidget& owner)
    : m_settings(settings), m_owner(owner), m_window(settings)
{
    m_timeLimitTimer.setSingleShot(true);
    m_autoDisplayTimer.setInterval(kAutoDisplayTickMs);
    connect(&m_timeLimitTimer, &QTimer::timeout, this, &PlaySession::OnTimeLimit);
    connect(&m_autoDisplayTimer, &QTimer::timeout, this, &PlaySession::OnAutoDisplayTick);
    connect(&m_window, &CMyGameWnd::quitWordTyped, this, &PlaySession::End);
    connect(&m_window, &CMyGameWnd::lockRefusedAhead, this, &PlaySession::lockRefusedAhead);
}

bool PlaySession::IsPlaying() const
{
    return m_settings.playing;
}

void PlaySession::Start()
{
    // A fresh install has no settings file yet: the play then runs on the
    // defaults that Load leaves in memory.
    m_settings.Load();
    if (!m_window.StartPlay()) {
        ShowMessage({.owner = nullptr,
                     .text = LoadString(kStrNoGroupToShow),
                     .caption = LoadString(kStrWarning),
                     .icon = MessageIcon::Exclamation});
        return;
    }
    if (!CreateNativeWindow())
        return;
    emit starting();
    m_window.EnterFullScreen();
    m_window.PrepareBackground();
    m_window.PresentFrame();
    if (m_settings.timeLimitOn)
        m_timeLimitTimer.start(TimeLimitIntervalMs(m_settings.timeLimitMinutes));
    if (m_settings.autoDisplayOn)
        m_autoDisplayTimer.start();
    m_settings.playing = true;
}

bool PlaySession::CreateNativeWindow()
{
    m_window.setWindowIcon(m_owner.windowIcon());
    m_window.winId(); // creates the native window
    if (m_window.windowHandle())
        return true;
    m_window.CancelPlay();
    ShowMessage({.owner = &m_owner,
                 .text = LoadString(kStrPlayWindowFailed),
                 .caption = LoadString(kStrError),
                 .icon = MessageIcon::Stop});
    return false;
}

// A play that ended early must not leave its time limit pending: it would end
// the next play early.
void PlaySession::End()
{
    if (!IsPlaying())
        return;
    m_timeLimitTimer.stop();
    m_autoDisplayTimer.stop();
    m_window.EndPlay();
    m_settings.playing = false;
    emit ended();
}

void PlaySession::OnTimeLimit()
{
    End();
    ShowMessage({.owner = &m_owner,
                 .text = LoadString(kStrTimeToRest),
                 .caption = LoadString(kStrInformation),
                 .icon = MessageIcon::Information});
}

void PlaySession::OnAutoDisplayTick()
{
    if (m_window.ElapsedSeconds() > m_settings.autoDisplaySeconds)
        m_window.ShowNextPicture();
}
