#include "app/KipoDlg.h"

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

void CKipoDlg::ConnectPlay()
{
    m_timeLimitTimer.setSingleShot(true);
    m_autoDisplayTimer.setInterval(kAutoDisplayTickMs);
    connect(&m_timeLimitTimer, &QTimer::timeout, this, &CKipoDlg::OnTimeLimitTimer);
    connect(&m_autoDisplayTimer, &QTimer::timeout, this, &CKipoDlg::OnAutoDisplayTimer);
    connect(&m_gameWnd, &CMyGameWnd::playEnded, this, &CKipoDlg::OnPlayEnded);
}

void CKipoDlg::OnStart()
{
    // A fresh install has no settings file yet: the play then runs on the
    // defaults that Load leaves in memory.
    m_settings.Load();
    if (!m_gameWnd.StartPlay())
        return;
    if (!CreateGameWindow())
        return;
    // Behind the play the dialog takes no key and no click, whichever window
    // manager lets it have the focus.
    setEnabled(false);
    m_gameWnd.EnterFullScreen();
    m_gameWnd.PrepareBackground();
    m_gameWnd.PresentFrame();
    if (m_settings.timeLimitOn)
        m_timeLimitTimer.start(TimeLimitIntervalMs(m_settings.timeLimitMinutes));
    if (m_settings.autoDisplayOn)
        m_autoDisplayTimer.start();
    m_settings.playing = true;
}

bool CKipoDlg::CreateGameWindow()
{
    m_gameWnd.setWindowIcon(windowIcon());
    m_gameWnd.winId(); // creates the native window
    if (m_gameWnd.windowHandle())
        return true;
    m_gameWnd.CancelPlay();
    ShowMessage({.owner = this,
                 .text = LoadString(kStrPlayWindowFailed),
                 .caption = LoadString(kStrError),
                 .icon = MessageIcon::Stop});
    return false;
}

void CKipoDlg::OnTimeLimitTimer()
{
    if (!m_settings.playing)
        return;
    m_gameWnd.EndPlay();
    ShowMessage({.owner = this,
                 .text = LoadString(kStrTimeToRest),
                 .caption = LoadString(kStrInformation),
                 .icon = MessageIcon::Information});
}

void CKipoDlg::OnAutoDisplayTimer()
{
    if (!m_settings.playing) {
        m_autoDisplayTimer.stop();
        return;
    }
    if (m_gameWnd.ElapsedSeconds() > m_settings.autoDisplaySeconds)
        m_gameWnd.ShowNextPicture();
}

// A play that ended early must not leave its time limit pending: it would end
// the next play early.
void CKipoDlg::OnPlayEnded()
{
    m_timeLimitTimer.stop();
    setEnabled(true);
    raise();
    activateWindow();
}
