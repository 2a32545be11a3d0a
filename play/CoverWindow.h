// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/FullScreenHold.h"

#include <QColor>
#include <QWidget>

// Covers one screen beside the play's own during a play: full screen, in the
// play's background colour, nothing of the desktop showing. Its keys and
// clicks are inputs of the play: they go to the play window as if typed there.
class CoverWindow : public QWidget
{
    Q_OBJECT

public:
    CoverWindow(QWidget& play, QScreen* screen);

    QScreen* CoveredScreen() const { return m_screen; }
    void SetColor(const QColor& color);
    QColor Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget& m_play;
    QScreen* const m_screen;
    QColor m_color;
    FullScreenHold m_fullScreenHold{*this};
};
