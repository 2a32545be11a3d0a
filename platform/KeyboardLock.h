#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QKeyEvent;
class QWidget;

// Keeps a child in one window: while engaged, the keys that would switch away
// or close the window are swallowed before any handler sees them, and the
// window holds the keyboard and pointer grab of the desktop, so the window
// manager's shortcuts (Alt+Tab, Super) never fire and no click reaches another
// window. The grab fails until the window is viewable, so it is retried every
// 50 ms for up to 2 s and taken again whenever the window is shown or
// activated. Without a grab the play still runs; one line on standard error
// says so.
class KeyboardLock : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardLock(QObject* parent = nullptr);
    ~KeyboardLock() override;

    void Engage(QWidget* window);
    void Release();
    bool IsEngaged() const { return !m_window.isNull(); }
    bool HoldsGrab() const { return m_grabbed; }

    // Tab, Esc, the Super keys, F1, F4, F12, and Space while Ctrl is down.
    static bool IsSwallowed(const QKeyEvent& event);
    // Alt and key presses with Alt held, and F10: the desktop's system keys,
    // which reach no handler of the play.
    static bool IsSystemKey(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartGrabbing();
    void TryGrab();
    void SetGrab(bool enabled);

    QPointer<QWidget> m_window;
    QTimer m_retryTimer;
    QElapsedTimer m_sinceStart;
    bool m_grabbed = false;
    bool m_failureReported = false;
};
