// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/NumberPictures.h"

#include "tools/content/PaintKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>

namespace {

QColor PaleTint(const QColor& color)
{
    constexpr int kColorShare = 20; // percent
    const auto mix = [](int channel) {
        return (channel * kColorShare + 255 * (100 - kColorShare)) / 100;
    };
    return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

void DrawNumeral(QPainter& painter, int count, const QRectF& area, const QColor& color)
{
    const QString numeral = QString::number(count);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // Measured at 100 pixels, then sized to fill the area with two digits as with one.
    font.setPixelSize(100);
    const QRectF bounds = QFontMetricsF(font).tightBoundingRect(numeral);
    const double scale =
        std::min(area.width() * 0.9 / bounds.width(), area.height() * 0.8 / bounds.height());
    font.setPixelSize(std::max(1, static_cast<int>(100 * scale)));
    painter.setFont(font);
    const double shadow = std::max(1.0, area.height() * 0.015);
    painter.setPen(OutlineColor(color));
    painter.drawText(area.translated(shadow, shadow), Qt::AlignCenter, numeral);
    painter.setPen(color);
    painter.drawText(area, Qt::AlignCenter, numeral);
}

void DrawBall(QPainter& painter, QPointF center, double radius, const QColor& color)
{
    QRadialGradient shine(center + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.3);
    shine.setColorAt(0.0, color.lighter(160));
    shine.setColorAt(1.0, color);
    painter.setPen(QPen(OutlineColor(color), std::max(1.0, radius * 0.08)));
    painter.setBrush(shine);
    painter.drawEllipse(center, radius, radius);
}

// `count` balls in up to two rows, centred in `area`.
void DrawBalls(QPainter& painter, int count, const QRectF& area, const QColor& color)
{
    const int rows = count <= 3 ? 1 : 2;
    const int columns = (count + rows - 1) / rows;
    const double cell = std::min(area.width() / columns, area.height() / rows);
    const double radius = cell * 0.4;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int inRow = row + 1 < rows ? columns : count - row * columns;
        const double left = area.center().x() - cell * inRow / 2.0;
        const double top = area.center().y() - cell * rows / 2.0;
        const int column = i % columns;
        DrawBall(painter, QPointF(left + cell * (column + 0.5), top + cell * (row + 0.5)), radius,
                 color);
    }
}

} // namespace

QImage DrawNumberPicture(int count, QSize size, const QColor& color)
{
    QImage canvas = PlainCanvas(size, PaleTint(color));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double width = size.width();
    const double height = size.height();
    const double margin = std::min(width, height) * 0.06;
    const QRectF numeralArea(margin, margin, width * 0.36 - margin, height - 2 * margin);
    const QRectF ballArea(width * 0.36, margin, width * 0.64 - margin, height - 2 * margin);
    DrawNumeral(painter, count, numeralArea, color);
    DrawBalls(painter, count, ballArea, color);
    return canvas;
}
