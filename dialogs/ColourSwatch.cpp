// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ColourSwatch.h"

#include "platform/ColorRef.h"

#include <QPainter>

namespace {

const QColor kInactiveFill(50, 50, 50);
const QColor kInactiveCross(255, 0, 0);
constexpr int kCrossHalf = 8;

} // namespace

void DrawColourSwatch(QPainter& painter, const QRect& rect, bool active, std::uint32_t colour)
{
    const QColor fill = active ? ColorFromRef(colour) : kInactiveFill;
    const QColor cross = active ? fill : kInactiveCross;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, fill);

    // Two diagonals of 15 pixels each, from (cx - 8, cy - 8) and from (cx + 7, cy - 8).
    const QPoint centre(rect.left() + rect.width() / 2, rect.top() + rect.height() / 2);
    painter.setPen(QPen(cross, 1));
    const int reach = 2 * kCrossHalf - 2;
    const QPoint down = centre - QPoint(kCrossHalf, kCrossHalf);
    const QPoint back = centre + QPoint(kCrossHalf - 1, -kCrossHalf);
    painter.drawLine(down, down + QPoint(reach, reach));
    painter.drawLine(back, back + QPoint(-reach, reach));
    painter.restore();
}
