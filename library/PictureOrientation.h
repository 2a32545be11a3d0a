// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

// The part of a stored picture that becomes `shown` once the reader has turned
// it by `transformation` (mirror and flip first, then a quarter turn
// clockwise, as the image readers apply an EXIF orientation). `storedSize` is
// the picture's size as stored.
QRect StoredRectOf(const QRect& shown, const QSize& storedSize,
                   QImageIOHandler::Transformations transformation);

// The size of a stored picture once turned by `transformation`.
QSize ShownSize(const QSize& storedSize, QImageIOHandler::Transformations transformation);

// `stored` turned by `transformation` as the image readers turn what they read.
QImage TurnedAsReaderTurns(QImage stored, QImageIOHandler::Transformations transformation);
