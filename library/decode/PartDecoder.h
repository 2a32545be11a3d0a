// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

#include <memory>

class QIODevice;

// A decoder of our own for a format whose pictures can be far larger than the
// screen: it reads no more of the file than the part asked for needs and holds
// no more than that part, which comes out in the format and colours Qt's
// reader gives for the whole picture.
class PartDecoder
{
public:
    PartDecoder() = default;
    virtual ~PartDecoder() = default;
    PartDecoder(const PartDecoder&) = delete;
    PartDecoder& operator=(const PartDecoder&) = delete;

    // The picture's size as stored, before any turn.
    virtual QSize StoredSize() const = 0;
    // The turn the file's orientation asks for, as Qt's reader applies it.
    virtual QImageIOHandler::Transformations Turn() const;
    // The `part` (inside the stored picture) as stored; a null image when the
    // file is damaged. Called once.
    virtual QImage Decode(const QRect& part) = 0;
};

// An image for a decoded part, within the image readers' allocation limit
// as Qt's readers allocate theirs; null past it.
QImage AllocatePart(QSize size, QImage::Format format);

// What OpenPartDecoder found: `ours` for a picture decoded here, then
// `decoder` is empty when its header cannot be read; not ours, it is left to
// Qt's reader.
struct OpenedPart
{
    bool ours = false;
    std::unique_ptr<PartDecoder> decoder;
};

// Reads the header of the picture at the start of `file`, which must outlive
// the decoder.
OpenedPart OpenPartDecoder(QIODevice& file);
