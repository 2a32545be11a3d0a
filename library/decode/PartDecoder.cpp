#include "library/decode/PartDecoder.h"
#include "library/decode/GifPart.h"
#include "library/decode/PngPart.h"

#include <QIODevice>

QImageIOHandler::Transformations PartDecoder::Turn() const
{
    return QImageIOHandler::TransformationNone;
}

OpenedPart OpenPartDecoder(QIODevice& file)
{
    const struct
    {
        QByteArray signature;
        std::unique_ptr<PartDecoder> (*open)(QIODevice&);
    } formats[] = {
        {"\x89PNG\r\n\x1A\n", OpenPngPart},
        {"GIF87a", OpenGifPart},
        {"GIF89a", OpenGifPart},
    };
    if (!file.seek(0)) {
        return {};
    }
    const QByteArray head = file.peek(8);
    for (const auto& format : formats) {
        if (head.startsWith(format.signature)) {
            return {true, format.open(file)};
        }
    }
    return {};
}
