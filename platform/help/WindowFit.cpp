// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/WindowFit.h"

QRect FittedWindowGeometry(QSize wanted, const QRect& available, const QMargins& frame)
{
    const QSize room = available.size().shrunkBy(frame).expandedTo({1, 1});
    QRect outer(QPoint(), wanted.boundedTo(room).grownBy(frame));
    outer.moveTopLeft(available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                                   (available.height() - outer.height()) / 2));
    return outer.marginsRemoved(frame);
}
