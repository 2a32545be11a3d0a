// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/CoverWindow.h"

#include <QColor>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class KeyboardLock;
class QScreen;
class QWindow;

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
    // `window` is a cover's.
    bool Owns(const QWindow& window) const;

    // A cover goes when the event loop next runs: it may be taken down from
    // inside its own key handler, by the quit word typed on it.
    struct DeleteLater
    {
        void operator()(QObject* object) const { object->deleteLater(); }
    };
    using CoverPtr = std::unique_ptr<CoverWindow, DeleteLater>;

private:
    void Cover(QScreen* screen);
    void Uncover(QScreen* screen);
    void TakeDown(CoverWindow& cover);

    QWidget& m_play;
    KeyboardLock& m_lock;
    QPointer<QScreen> m_playScreen;
    QColor m_color;
    bool m_shown = false;
    std::vector<CoverPtr> m_covers;
};
