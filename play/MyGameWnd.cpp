// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/MyGameWnd.h"

#include "play/SwallowedKeys.h"

#include "platform/ColorRef.h"
#include "platform/files/Paths.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

CMyGameWnd::CMyGameWnd(InputQueue::Answers answers)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_lock(MakeDesktopGrab(), IsHeldBackKey), m_covers(*this, m_lock),
      m_inputs(std::move(answers)),
      m_quitWord(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    connect(&m_lock, &KeyboardLock::lostChanged, this,
            [this](bool lost) { m_canvas.ShowLockLost(lost); });
    // A renamed copy of the program is known by its own name.
    setWindowTitle(QFileInfo(QFile::decodeName(ProgramFilePath().c_str())).completeBaseName());
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
}

CMyGameWnd::~CMyGameWnd() = default;

// The covers go up first: a desktop that gives the keyboard to each new
// window (GNOME) then gives it to the play last.
void CMyGameWnd::EnterFullScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    m_covers.Show(screen, ColorFromRef(m_canvas.Colors().back));
    if (QWindow* handle = windowHandle())
        handle->setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

void CMyGameWnd::Leave()
{
    m_covers.Hide();
    hide();
}

bool CMyGameWnd::OwnsWindow(const QWindow* window) const
{
    return window && (window == windowHandle() || m_covers.Owns(*window));
}

void CMyGameWnd::keyPressEvent(QKeyEvent* event)
{
    m_inputs.OnKeyPress(*event, [&] {
        switch (m_quitWord.Press(*event)) {
        case KeyAction::EndPlay:
            emit quitWordTyped();
            break;
        case KeyAction::ReplaySound:
            m_inputs.Submit(InputQueue::Input::ReplaySound);
            break;
        case KeyAction::ShowPicture:
            m_inputs.Submit(InputQueue::Input::ShowPicture);
            break;
        }
    });
}

// Left, middle and right buttons; a double click arrives as a second press.
// Clicks leave the quit word alone.
void CMyGameWnd::mousePressEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
    case Qt::MiddleButton:
    case Qt::RightButton:
        m_inputs.Submit(InputQueue::Input::ShowPicture);
        break;
    default:
        break;
    }
}

void CMyGameWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_canvas.Frame().isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(rect(), m_canvas.Frame());
}

void CMyGameWnd::closeEvent(QCloseEvent* event)
{
    // Only the quit word and the time limit end a play.
    event->ignore();
}
