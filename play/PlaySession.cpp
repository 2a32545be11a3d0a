// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlaySession.h"

#include "library/Settings.h"
#include "platform/ColorRef.h"
#include "platform/MessageBox.h"
#include "platform/files/InstallDir.h"
#include "platform/sound/Sound.h"
#include "resources/StringTable.h"

#include <QGuiApplication>

#include <algorithm>
#include <climits>
#include <ctime>

namespace {

constexpr int kAutoDisplayTickMs = 800;
constexpr std::uint32_t kHintTextColor = 0x00C8C8FF;

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
    : m_settings(settings), m_owner(owner),
      m_window({.replaySound = [this] { return ReplaySound(); },
                .showReadyPicture = [this] { return ShowReadyPicture(); }})
{
    m_timeLimitTimer.setObjectName(QStringLiteral("timeLimit"));
    m_timeLimitTimer.setSingleShot(true);
    m_autoDisplayTimer.setObjectName(QStringLiteral("autoDisplay"));
    m_autoDisplayTimer.setInterval(kAutoDisplayTickMs);
    connect(&m_timeLimitTimer, &QTimer::timeout, this, &PlaySession::OnTimeLimit);
    connect(&m_autoDisplayTimer, &QTimer::timeout, this, &PlaySession::OnAutoDisplayTick);
    connect(&m_window, &CMyGameWnd::quitWordTyped, this, &PlaySession::End);
    connect(&m_window.Lock(), &KeyboardLock::refusedAhead, this, &PlaySession::lockRefusedAhead);
    connect(&m_pictures, &PictureSupply::ready, this, [this] { m_window.Inputs().RunWaiting(); });
}

void PlaySession::Start()
{
    // A fresh install has no settings file yet: the play then runs on the
    // defaults that Load leaves in memory.
    m_settings.Load();
    if (!PrepareToPlay()) {
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
    ShowFirstFrame();
    if (m_settings.timeLimitOn)
        m_timeLimitTimer.start(TimeLimitIntervalMs(m_settings.timeLimitMinutes));
    if (m_settings.autoDisplayOn)
        m_autoDisplayTimer.start();
    m_playing = true;
}

// The lock-down, the key delay's clock, the seeded generator, the deck, the
// colours and the greeting. False, with the lock-down released, when there is
// nothing to show.
bool PlaySession::PrepareToPlay()
{
    m_window.Quit().Reset();
    m_window.Inputs().Begin(m_settings.keyDelayOn ? std::chrono::milliseconds(m_settings.keyDelayMs)
                                                  : std::chrono::milliseconds(0));
    m_window.Lock().Engage(&m_window);
    m_pictures.Begin(BuildPlayDeck(m_settings.installDir),
                     static_cast<std::uint32_t>(std::time(nullptr)));
    if (m_pictures.Deck().entries.empty()) {
        m_window.Lock().Release();
        return false;
    }
    m_window.Canvas().SetColors(m_settings.randomColor
                                    ? m_pictures.DrawColors()
                                    : PlayColors{m_settings.backgroundColor, kHintTextColor});
    PlaySoundFile(ShippedFilePath(m_settings.installDir, "Hello.wav"));
    return true;
}

bool PlaySession::CreateNativeWindow()
{
    m_window.setWindowIcon(m_owner.windowIcon());
    m_window.winId(); // creates the native window
    if (m_window.windowHandle())
        return true;
    m_window.Lock().Release();
    ShowMessage({.owner = &m_owner,
                 .text = LoadString(kStrPlayWindowFailed),
                 .caption = LoadString(kStrError),
                 .icon = MessageIcon::Stop});
    return false;
}

// The background and the hint on the screen, and the worker on the first
// picture; the inputs are taken from here on.
void PlaySession::ShowFirstFrame()
{
    PlayCanvas& canvas = m_window.Canvas();
    canvas.Prepare(*QGuiApplication::primaryScreen());
    m_pictures.Prefetch(canvas.ScreenSize(), m_settings.clearBackground && m_settings.randomColor);
    m_window.Inputs().Open();
    canvas.Present();
}

// A play that ended early must not leave its time limit pending: it would end
// the next play early.
void PlaySession::End()
{
    if (!IsPlaying())
        return;
    m_timeLimitTimer.stop();
    m_autoDisplayTimer.stop();
    m_window.Leave();
    m_window.Lock().Release();
    m_window.Inputs().Close();
    m_pictures.End();
    m_window.Canvas().Release();
    PlaySoundFile(ShippedFilePath(m_settings.installDir, "GoodBye.wav"));
    m_playing = false;
    emit ended();
}

bool PlaySession::ReplaySound()
{
    if (m_currentSound.empty())
        return false;
    PlaySoundFile(m_currentSound);
    return true;
}

// Draws the accepted input's picture when the worker has it ready.
bool PlaySession::ShowReadyPicture()
{
    return m_pictures.TakeNext([this](const PicturePick& pick) { ShowPicture(pick); });
}

void PlaySession::ShowPicture(const PicturePick& pick)
{
    PlayCanvas& canvas = m_window.Canvas();
    const bool drawn = canvas.Draw(pick, m_pictures.Deck().entries[pick.index].cutToDisplay,
                                   m_settings.clearBackground);
    if (pick.colors)
        m_window.Covers().SetColor(ColorFromRef(canvas.Colors().back));
    if (!drawn)
        return;
    if (const std::optional<std::string> sound = m_pictures.SoundOf(pick)) {
        m_currentSound = *sound;
        PlaySoundFile(m_currentSound);
    }
    canvas.Present();
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
    if (m_window.Inputs().QuietSeconds() > m_settings.autoDisplaySeconds)
        m_window.Inputs().Submit(InputQueue::Input::ShowPicture);
}
