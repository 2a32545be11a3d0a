// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/decode/PartDecoder.h"
#include "library/decode/BmpPart.h"
#include "library/decode/GifPart.h"
#include "library/decode/PngPart.h"
#include "library/decode/TiffPart.h"
#include "library/decode/WebpPart.h"

#include <QIODevice>

QImageIOHandler::Transformations PartDecoder::Turn() const
{
    return QImageIOHandler::TransformationNone;
}

QImage AllocatePart(QSize size, QImage::Format format)
{
    QImage image;
    QImageIOHandler::allocateImage(size, format, &image);
    return image;
}

OpenedPart OpenPartDecoder(QIODevice& file)
{
    const struct
    {
        QByteArray signature;
        OpenedPart (*open)(QIODevice&);
    } formats[] = {
        {"\x89PNG\r\n\x1A\n", OpenPngPart},
        {"GIF87a", OpenGifPart},
        {"GIF89a", OpenGifPart},
        {QByteArray("II*\0", 4), OpenTiffPart},
        {QByteArray("MM\0*", 4), OpenTiffPart},
        {QByteArray("II+\0", 4), OpenTiffPart},
        {QByteArray("MM\0+", 4), OpenTiffPart},
        {"BM", OpenBmpPart},
    };
    if (!file.seek(0)) {
        return {};
    }
    const QByteArray head = file.peek(12);
    for (const auto& format : formats) {
        if (head.startsWith(format.signature)) {
            return format.open(file);
        }
    }
    if (head.startsWith("RIFF") && head.endsWith("WEBP")) {
        return OpenWebpPart(file);
    }
    return {};
}
