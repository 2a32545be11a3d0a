#pragma once

#include "play/CoverWindow.h"

#include <QColor>
#include <QObject>

#include <memory>
#include <vector>

class KeyboardLock;
class QScreen;

// One cover for each screen but the play's own, from the start of a play to
// its end: a screen plugged in during the play gets one, a screen removed
// loses its own. Each cover holds the lock with the play window.
class ScreenCovers : public QObject
{
    Q_OBJECT

public:
    ScreenCovers(QWidget& play, KeyboardLock& lock);
    ~ScreenCovers() override;

    // Covers every screen but `playScreen` in `color`.
    void Show(QScreen* playScreen, const QColor& color);
    void SetColor(const QColor& color);
    // Takes every cover down.
    void Hide();

    // Read by tests.
    const std::vector<std::unique_ptr<CoverWindow>>& Covers() const { return m_covers; }

private:
    void Cover(QScreen* screen);
    void Uncover(QScreen* screen);

    QWidget& m_play;
    KeyboardLock& m_lock;
    QScreen* m_playScreen = nullptr;
    QColor m_color;
    bool m_shown = false;
    std::vector<std::unique_ptr<CoverWindow>> m_covers;
};
