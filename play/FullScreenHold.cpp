// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/FullScreenHold.h"

#include <QEvent>
#include <QWidget>

namespace {

// Losses closer together than this are one burst: after a few quick asks,
// the desktop is asked at this pace.
constexpr int kQuietMs = 1000;
constexpr int kQuickAsksPerBurst = 3;

bool IsFullScreen(Qt::WindowStates states)
{
    return (states & Qt::WindowFullScreen) && !(states & Qt::WindowMinimized);
}

} // namespace

FullScreenHold::FullScreenHold(QWidget& window) : m_window(window)
{
    m_askTimer.setSingleShot(true);
    connect(&m_askTimer, &QTimer::timeout, this, &FullScreenHold::AskAgain);
    window.installEventFilter(this);
}

bool FullScreenHold::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::WindowStateChange &&
        m_window.isVisible() && !IsFullScreen(m_window.windowState()))
        OnLeftFullScreen();
    return false;
}

// The ask waits for the event loop: the desktop's change is still being
// applied to the window.
void FullScreenHold::OnLeftFullScreen()
{
    if (m_sinceLastLoss.isValid() && m_sinceLastLoss.elapsed() > kQuietMs)
        m_quickAsks = 0;
    m_sinceLastLoss.start();
    if (m_askTimer.isActive())
        return;
    m_askTimer.start(m_quickAsks < kQuickAsksPerBurst ? 0 : kQuietMs);
    ++m_quickAsks;
}

// A window hidden meanwhile (the play ended) stays hidden.
void FullScreenHold::AskAgain()
{
    if (m_window.isVisible() && !IsFullScreen(m_window.windowState()))
        m_window.showFullScreen();
}
