#include "platform/KeyboardLock.h"

#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

constexpr int kRetryIntervalMs = 50;
constexpr qint64 kRetryLimitMs = 2000;

} // namespace

KeyboardLock::KeyboardLock(QObject* parent) : QObject(parent)
{
    m_retryTimer.setInterval(kRetryIntervalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &KeyboardLock::TryGrab);
}

KeyboardLock::~KeyboardLock()
{
    Release();
}

void KeyboardLock::Engage(QWidget* window)
{
    Release();
    m_window = window;
    m_failureReported = false;
    window->installEventFilter(this);
    StartGrabbing();
}

void KeyboardLock::Release()
{
    m_retryTimer.stop();
    if (m_window) {
        m_window->removeEventFilter(this);
        if (QWindow* handle = m_window->windowHandle())
            handle->removeEventFilter(this);
        SetGrab(false);
    }
    m_window = nullptr;
    m_grabbed = false;
}

bool KeyboardLock::IsSwallowed(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Meta:
    case Qt::Key_F1:
    case Qt::Key_F4:
    case Qt::Key_F12:
        return true;
    case Qt::Key_Space:
        return event.modifiers().testFlag(Qt::ControlModifier);
    default:
        return false;
    }
}

bool KeyboardLock::IsSystemKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Alt || event.key() == Qt::Key_F10 ||
           event.modifiers().testFlag(Qt::AltModifier);
}

bool KeyboardLock::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_window)
        return false;
    if (watched == m_window->windowHandle()) {
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed())
            StartGrabbing();
        return false;
    }
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        return IsSwallowed(key) || IsSystemKey(key);
    }
    case QEvent::Show:
    case QEvent::WindowActivate:
        StartGrabbing();
        return false;
    default:
        return false;
    }
}

void KeyboardLock::StartGrabbing()
{
    if (QWindow* handle = m_window->windowHandle())
        handle->installEventFilter(this); // installing twice keeps one entry
    m_grabbed = false;
    m_sinceStart.start();
    TryGrab();
    if (!m_grabbed)
        m_retryTimer.start();
}

void KeyboardLock::TryGrab()
{
    QWindow* handle = m_window ? m_window->windowHandle() : nullptr;
    if (handle && handle->isExposed()) {
        m_grabbed = handle->setKeyboardGrabEnabled(true) && handle->setMouseGrabEnabled(true);
    }
    if (m_grabbed) {
        m_retryTimer.stop();
        return;
    }
    if (m_sinceStart.elapsed() >= kRetryLimitMs) {
        m_retryTimer.stop();
        if (!m_failureReported) {
            m_failureReported = true;
            std::fputs("tapnest: cannot grab the keyboard; system keys stay active during this "
                       "play\n",
                       stderr);
        }
    }
}

void KeyboardLock::SetGrab(bool enabled)
{
    if (QWindow* handle = m_window->windowHandle()) {
        handle->setKeyboardGrabEnabled(enabled);
        handle->setMouseGrabEnabled(enabled);
    }
}
