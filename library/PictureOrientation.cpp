// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureOrientation.h"

#include <QTransform>

QRect StoredRectOf(const QRect& shown, const QSize& storedSize,
                   QImageIOHandler::Transformations transformation)
{
    QRect rect = shown;
    // A quarter turn clockwise took the stored column x to row x and the
    // stored row y to column height - 1 - y.
    if (transformation & QImageIOHandler::TransformationRotate90) {
        rect = QRect(shown.y(), storedSize.height() - shown.x() - shown.width(), shown.height(),
                     shown.width());
    }
    if (transformation & QImageIOHandler::TransformationMirror) {
        rect.moveLeft(storedSize.width() - rect.x() - rect.width());
    }
    if (transformation & QImageIOHandler::TransformationFlip) {
        rect.moveTop(storedSize.height() - rect.y() - rect.height());
    }
    return rect;
}

QSize ShownSize(const QSize& storedSize, QImageIOHandler::Transformations transformation)
{
    return transformation & QImageIOHandler::TransformationRotate90 ? storedSize.transposed()
                                                                    : storedSize;
}

QImage TurnedAsReaderTurns(QImage stored, QImageIOHandler::Transformations transformation)
{
    if (stored.isNull() || transformation == QImageIOHandler::TransformationNone) {
        return stored;
    }
    QImage turned =
        std::move(stored).mirrored(transformation & QImageIOHandler::TransformationMirror,
                                   transformation & QImageIOHandler::TransformationFlip);
    if (transformation & QImageIOHandler::TransformationRotate90) {
        constexpr qreal kQuarterTurn = 90;
        turned = turned.transformed(QTransform().rotate(kQuarterTurn));
    }
    return turned;
}
