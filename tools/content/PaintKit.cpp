// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/PaintKit.h"

#include <QPen>

#include <array>
#include <numeric>

namespace {

constexpr std::array<QRgb, 12> kBrightColors{
    0xFFE53935, // red
    0xFFFB8C00, // orange
    0xFFFDD835, // sunny yellow
    0xFF43A047, // green
    0xFF1E88E5, // blue
    0xFF8E24AA, // purple
    0xFFEC407A, // pink
    0xFF00ACC1, // turquoise
    0xFF7CB342, // leaf green
    0xFF5E35B1, // deep violet
    0xFFFF7043, // coral
    0xFF26A69A, // teal
};

} // namespace

QColor BrightColor(int index)
{
    const auto count = static_cast<int>(kBrightColors.size());
    return QColor::fromRgb(
        kBrightColors[static_cast<std::size_t>(((index % count) + count) % count)]);
}

QColor OutlineColor(const QColor& fill)
{
    return fill.darker(170);
}

QImage PlainCanvas(QSize size, const QColor& color)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(color);
    return canvas;
}

void BeginUnitPainting(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(image.width() / 100.0, image.height() / 100.0);
}

QImage PaperToTransparent(const QImage& image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb paper = kPaperWhite.rgb();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == paper) {
                line[x] = paper & 0x00FFFFFFu;
            }
        }
    }
    return result;
}

void DrawEye(QPainter& painter, QPointF center, double radius)
{
    painter.setPen(QPen(kFigureDark, radius * 0.18));
    painter.setBrush(kFigureWhite);
    painter.drawEllipse(center, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFigureDark);
    const QPointF pupil = center + QPointF(0.0, -radius * 0.1);
    painter.drawEllipse(pupil, radius * 0.55, radius * 0.55);
    painter.setBrush(kFigureWhite);
    painter.drawEllipse(pupil + QPointF(radius * 0.2, -radius * 0.22), radius * 0.18,
                        radius * 0.18);
}

void DrawSmile(QPainter& painter, const QRectF& box, const QColor& color, double width)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    // Qt measures arcs in sixteenths of a degree, counter-clockwise from 3 o'clock.
    painter.drawArc(box, 200 * 16, 140 * 16);
}

int SpreadSize(int index, int count, int minSize, int maxSize)
{
    if (count <= 1) {
        return minSize;
    }
    // Stepping by a number coprime with count visits every slot once.
    int step = count / 2 + 1;
    while (std::gcd(step, count) != 1) {
        ++step;
    }
    const int slot = (index * step) % count;
    return minSize + (maxSize - minSize) * slot / (count - 1);
}
