// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/PicturePick.h"
#include "play/PlayRandom.h"

#include <QImage>
#include <QString>

#include <vector>

class QPainter;
class QScreen;
class QWidget;

// What the play window shows: the screen-sized back buffer, kept at the
// screen's device pixels with its device pixel ratio and drawn on in logical
// pixels, so that a play looks the same at every display scale. It holds the
// background, the hint at the top left with its notes, and the pictures drawn
// over them, and presents them on its surface.
class PlayCanvas
{
public:
    explicit PlayCanvas(QWidget& surface) : m_surface(surface) {}

    // The background's and the hint's colours from the next clearing on.
    void SetColors(const PlayColors& colors) { m_colors = colors; }
    PlayColors Colors() const { return m_colors; }

    // Makes the back buffer for `screen` and paints the first frame into it:
    // the background and the hint.
    void Prepare(const QScreen& screen);
    void Release() { m_backBuffer = QImage(); }
    // The frame to present: null outside a play.
    const QImage& Frame() const { return m_backBuffer; }
    // The screen's size in logical pixels, the unit of every draw.
    QSize ScreenSize() const { return m_backBuffer.deviceIndependentSize().toSize(); }

    // Draws `pick`: with `clear` on a fresh background (in the pick's colours
    // when it has them), the hint over what lies there, then the picture, its
    // top-left colour left out when it is `cutToDisplay`. False when the pick
    // has no picture.
    bool Draw(const PicturePick& pick, bool cutToDisplay, bool clear);
    // The lock can be lost or regained at any time of the play; the note
    // under the hint follows at once.
    void ShowLockLost(bool lost);
    // Puts the frame on the surface.
    void Present();

private:
    void FillBackground(QPainter& painter) const;
    void DrawHint(QPainter& painter) const;
    std::vector<const QString*> LastingHintLines() const;
    QRect HintLineRect(QPainter& painter, const QString& text, int top) const;
    QRect NotLockedLineRect(QPainter& painter) const;
    void DrawHintLine(QPainter& painter, const QRect& rect, const QString& text) const;

    QWidget& m_surface;
    QImage m_backBuffer;
    PlayColors m_colors;
    bool m_touchNote = false; // the hint says that touch gestures stay active
    bool m_lockLost = false;
};
