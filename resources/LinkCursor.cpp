// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/LinkCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 32;
constexpr QPoint kFingertip{11, 1};

// The hand as one outline: the raised index finger, three folded fingers, the palm and the
// thumb, each a rounded shape, united.
QPainterPath HandOutline()
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8.5, 1.5, 5.5, 17), 2.75, 2.75); // index finger
    hand.addRoundedRect(QRectF(13.5, 10.5, 5, 10), 2.5, 2.5);   // middle finger
    hand.addRoundedRect(QRectF(18, 11.5, 5, 10), 2.5, 2.5);     // ring finger
    hand.addRoundedRect(QRectF(22.5, 13, 4.5, 10), 2.25, 2.25); // little finger
    hand.addRoundedRect(QRectF(8.5, 15.5, 18.5, 14), 4.5, 4.5); // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -2.4, 10, 4.8), 2.4, 2.4);
    hand.addPath(QTransform().translate(6.5, 19.5).rotate(35).map(thumb));
    return hand.simplified();
}

} // namespace

QCursor LinkCursor()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(HandOutline());
    // Creases between the folded fingers.
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.9));
    painter.drawLine(QPointF(14, 16), QPointF(14, 19.5));
    painter.drawLine(QPointF(18.5, 16.5), QPointF(18.5, 20.5));
    painter.drawLine(QPointF(23, 18), QPointF(23, 21.5));
    painter.end();
    return QCursor(pixmap, kFingertip.x(), kFingertip.y());
}
