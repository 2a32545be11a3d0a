// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/MyGameWnd.h"

#include "play/SwallowedKeys.h"

#include "library/Settings.h"
#include "platform/ColorRef.h"
#include "platform/files/InstallDir.h"
#include "platform/files/Paths.h"
#include "platform/sound/Sound.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <ctime>

CMyGameWnd::CMyGameWnd(Settings& settings)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_settings(settings), m_lock(MakeDesktopGrab(), IsHeldBackKey), m_covers(*this, m_lock),
      m_x11KeyCodes(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    connect(&m_lock, &KeyboardLock::lostChanged, this, &CMyGameWnd::OnLockLostChanged);
    connect(&m_lock, &KeyboardLock::refusedAhead, this, &CMyGameWnd::lockRefusedAhead);
    connect(&m_prefetch, &PicturePrefetch::ready, this, &CMyGameWnd::RunWaitingInputs);
    // A renamed copy of the program is known by its own name.
    setWindowTitle(QFileInfo(QFile::decodeName(ProgramFilePath().c_str())).completeBaseName());
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
}

CMyGameWnd::~CMyGameWnd() = default;

bool CMyGameWnd::StartPlay()
{
    m_quitState = 0;
    m_clock.RestartClock();
    m_lock.Engage(this);
    m_random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));

    ForgetWaitingInputs();
    m_deck = BuildPlayDeck(m_settings.installDir);
    m_pictures = std::make_shared<const std::vector<DeckEntry>>(m_deck.entries);
    if (m_deck.entries.empty()) {
        m_lock.Release();
        return false;
    }
    ChooseColors();
    PlaySoundFile(ShippedFilePath(m_settings.installDir, "Hello.wav"));
    return true;
}

void CMyGameWnd::ChooseColors()
{
    constexpr std::uint32_t kHintTextColor = 0x00C8C8FF;
    if (m_settings.randomColor)
        m_colors = m_random.RandomColors();
    else
        m_colors = {m_settings.backgroundColor, kHintTextColor};
}

// The covers go up first: a desktop that gives the keyboard to each new
// window (GNOME) then gives it to the play last.
void CMyGameWnd::EnterFullScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    m_covers.Show(screen, ColorFromRef(m_colors.back));
    if (QWindow* handle = windowHandle())
        handle->setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

bool CMyGameWnd::OwnsWindow(const QWindow* window) const
{
    return window && (window == windowHandle() || m_covers.Owns(*window));
}

void CMyGameWnd::PresentFrame()
{
    update();
}

void CMyGameWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backBuffer.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(rect(), m_backBuffer);
}

void CMyGameWnd::EndPlay()
{
    m_covers.Hide();
    hide();
    m_lock.Release();
    ForgetWaitingInputs();
    m_backBuffer = QImage();
    PlaySoundFile(ShippedFilePath(m_settings.installDir, "GoodBye.wav"));
}

void CMyGameWnd::closeEvent(QCloseEvent* event)
{
    // Only the quit word and the time limit end a play.
    event->ignore();
}
