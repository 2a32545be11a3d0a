// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/GroupFrame.h"

#include <QPainter>

namespace {

// The title's indent and the gap on each side of it, in average character widths and pixels.
constexpr int kTitleIndentCharacters = 1;
constexpr int kTitleGap = 2;

} // namespace

CGroupFrame::CGroupFrame(const QString& title) : QGroupBox(title) {}

int CGroupFrame::TopLineY() const
{
    return fontMetrics().height() / 2;
}

int CGroupFrame::TitleLeft() const
{
    return kTitleIndentCharacters * fontMetrics().averageCharWidth();
}

int CGroupFrame::TitleRight() const
{
    return TitleLeft() + fontMetrics().horizontalAdvance(title()) + 2 * kTitleGap;
}

void CGroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = TopLineY();
    const int right = width() - 1;
    const int bottom = height() - 1;
    const int titleLeft = TitleLeft();
    const int titleRight = TitleRight();

    // Dark, then light one pixel in and down: the etched look of a dialog's frame.
    const auto drawFrame = [&](const QColor& colour, int inset) {
        painter.setPen(colour);
        painter.drawLine(inset, top + inset, titleLeft, top + inset);
        painter.drawLine(titleRight, top + inset, right - 1 + inset, top + inset);
        painter.drawLine(inset, top + inset, inset, bottom - 1 + inset);
        painter.drawLine(right - 1 + inset, top + inset, right - 1 + inset, bottom - 1 + inset);
        painter.drawLine(inset, bottom - 1 + inset, right - 1 + inset, bottom - 1 + inset);
    };
    drawFrame(palette().color(QPalette::Dark), 0);
    drawFrame(palette().color(QPalette::Light), 1);

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(titleLeft + kTitleGap, metrics.ascent()), title());
}
