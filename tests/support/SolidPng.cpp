// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/SolidPng.h"

#include <QBuffer>
#include <QImage>

std::string SolidPng(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return buffer.data().toStdString();
}
