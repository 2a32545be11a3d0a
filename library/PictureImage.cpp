// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureImage.h"
#include "library/DecoderBounds.h"
#include "library/PictureOrientation.h"
#include "library/decode/PartDecoder.h"
#include "platform/files/FileFacts.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <mutex>

namespace {

constexpr int kAllocationLimitMiB = 512;
constexpr qint64 kDecodedBytesPerPixel = 4;

// Opens the file by its bytes: a name that is not valid UTF-8 would not
// survive a round trip through QString. Only regular files are opened, and
// without blocking, so a named pipe named like a picture cannot hang the play.
std::unique_ptr<QFile> OpenForReading(const std::string& path)
{
    FileDescriptor opened = OpenRegularFile(path);
    auto file = std::make_unique<QFile>();
    if (!opened.IsOpen() ||
        !file->open(opened.Get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return nullptr;
    opened.Release(); // the file closes it now
    return file;
}

bool ExceedsAllocationLimit(const QSize& size)
{
    const qint64 bytes = qint64(size.width()) * size.height() * kDecodedBytesPerPixel;
    return bytes > qint64(kAllocationLimitMiB) * 1024 * 1024;
}

// Whether the reader can cut the visible part out while decoding.
bool CanClip(QImageReader& reader)
{
    return reader.supportsOption(QImageIOHandler::ClipRect);
}

std::uint32_t ColorRef(QRgb argb)
{
    return std::uint32_t(qRed(argb)) | std::uint32_t(qGreen(argb)) << 8 |
           std::uint32_t(qBlue(argb)) << 16;
}

QRgb OpaqueRgb(std::uint32_t colorRef)
{
    return qRgb(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

// A pixel (colour not premultiplied) cleared to transparent when its colour
// is the key whatever its alpha, else premultiplied for drawing.
QRgb KeyedPixel(QRgb pixel, QRgb opaqueKey)
{
    return (pixel | 0xFF000000u) == opaqueKey ? 0 : qPremultiply(pixel);
}

// The part of `area` (painter coordinates) that can reach the painter's
// device; all of it when the painter scales or rotates.
QRect PartOnDevice(const QPainter& painter, const QRect& area)
{
    const QPaintDevice* device = painter.device();
    const QTransform& transform = painter.deviceTransform();
    if (device == nullptr || transform.type() > QTransform::TxTranslate) {
        return area;
    }
    const QRectF deviceRect(0, 0, device->width(), device->height());
    QRect part = area & transform.inverted().mapRect(deviceRect).toAlignedRect();
    if (painter.hasClipping()) {
        part &= painter.clipBoundingRect().toAlignedRect();
    }
    return part;
}

} // namespace

CPictureImage::CPictureImage() = default;

CPictureImage::~CPictureImage() = default;

int CPictureImage::LoadFile(const std::string& path)
{
    const int opened = Open(path);
    return opened == kSuccess ? Decode() : opened;
}

int CPictureImage::Open(const std::string& path)
{
    Release();
    // Set once: pictures are opened on the play's worker thread too.
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kAllocationLimitMiB); });
    m_file = OpenForReading(path);
    if (!m_file) {
        return kFailure;
    }
    constexpr qint64 kLimitBytes = qint64(kAllocationLimitMiB) << 20;
    if (ExceedsDecoderBounds(*m_file, kLimitBytes, true)) {
        Release();
        return kFailure;
    }
    OpenedPart part = OpenPartDecoder(*m_file);
    if (part.ours) {
        if (!part.decoder) {
            Release();
            return kFailure;
        }
        m_decoder = std::move(part.decoder);
        m_size = ShownSize(m_decoder->StoredSize(), m_decoder->Turn());
        return kSuccess;
    }
    // Left to Qt's reader, which decodes the whole picture.
    if (ExceedsDecoderBounds(*m_file, kLimitBytes, false) || !m_file->seek(0)) {
        Release();
        return kFailure;
    }
    m_reader = std::make_unique<QImageReader>(m_file.get());
    m_reader->setDecideFormatFromContent(true);
    m_reader->setAutoTransform(true);
    if (!m_reader->canRead()) {
        Release();
        return kFailure;
    }
    const QSize stored = m_reader->size();
    if (!stored.isValid()) {
        // The format tells its size only by decoding.
        return ReadImage({});
    }
    const QSize size = ShownSize(stored, m_reader->transformation());
    // A picture that can be clipped is checked against the limit when the
    // part to decode is known.
    if (!CanClip(*m_reader) && ExceedsAllocationLimit(size)) {
        Release();
        return kFailure;
    }
    m_size = size;
    return kSuccess;
}

int CPictureImage::Decode(const QRect& visible)
{
    const QRect whole(QPoint(0, 0), m_size);
    const QRect visiblePart = visible.intersected(whole);
    const QRect wanted = visiblePart.isEmpty() ? whole : visiblePart;
    if (!m_image.isNull()) {
        // Decoded already: by Open, for a format that tells its size only so.
        if (!QRect(m_decodedOrigin, m_image.size()).contains(wanted)) {
            return kFailure;
        }
        KeepOnly(wanted);
        return kSuccess;
    }
    if (m_decoder) {
        return DecodePart(wanted);
    }
    if (!m_reader) {
        return kFailure;
    }
    if (wanted == whole) {
        return ReadImage(QRect());
    }
    if (CanClip(*m_reader)) {
        return ReadImage(wanted);
    }
    // Decoded whole, then cut down, so that no more than the part is held.
    const int read = ReadImage(QRect());
    if (read == kSuccess) {
        KeepOnly(wanted);
    }
    return read;
}

void CPictureImage::KeepOnly(const QRect& part)
{
    const QRect decoded(m_decodedOrigin, m_image.size());
    const QRect kept = part.intersected(decoded);
    if (kept == decoded) {
        return;
    }
    m_image = m_image.copy(kept.translated(-m_decodedOrigin));
    m_decodedOrigin = kept.topLeft();
    m_keyedWhole.reset();
}

// Decodes the picture, only the `clip` rectangle of it when that is not empty.
int CPictureImage::ReadImage(const QRect& clip)
{
    const bool clipped = !clip.isEmpty();
    if (ExceedsAllocationLimit(clipped ? clip.size() : m_size)) {
        Release();
        return kFailure;
    }
    if (clipped) {
        // The reader cuts the stored picture, then turns the part it cut.
        const QImageIOHandler::Transformations turn = m_reader->transformation();
        const QSize stored =
            turn & QImageIOHandler::TransformationRotate90 ? m_size.transposed() : m_size;
        m_reader->setClipRect(StoredRectOf(clip, stored, turn));
    }
    QImage image = m_reader->read();
    ReleaseReader();
    if (!clipped) {
        m_size = image.size();
    }
    return Keep(std::move(image), clipped ? clip : QRect(QPoint(0, 0), m_size));
}

// Decodes `part` (shown coordinates) with our own decoder: the stored part
// that turns into it, turned as the reader turns.
int CPictureImage::DecodePart(const QRect& part)
{
    if (ExceedsAllocationLimit(part.size())) {
        Release();
        return kFailure;
    }
    const QImageIOHandler::Transformations turn = m_decoder->Turn();
    QImage image = m_decoder->Decode(StoredRectOf(part, m_decoder->StoredSize(), turn));
    ReleaseReader();
    return Keep(TurnedAsReaderTurns(std::move(image), turn), part);
}

// Takes the decoded `part` for drawing.
int CPictureImage::Keep(QImage image, const QRect& part)
{
    if (image.isNull() || image.size() != part.size()) {
        Release();
        return kFailure;
    }
    // Colours of transparent pixels are kept (not premultiplied), so that a
    // transparent top-left corner still gives its own colour as the key.
    const auto drawFormat = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (image.format() != drawFormat) {
        image.convertTo(drawFormat);
    }
    if (image.isNull()) {
        Release();
        return kFailure;
    }
    m_decodedOrigin = part.topLeft();
    m_image = std::move(image);
    return kSuccess;
}

void CPictureImage::ReleaseReader()
{
    m_decoder.reset();
    m_reader.reset();
    m_file.reset();
}

void CPictureImage::Release()
{
    ReleaseReader();
    m_image = QImage();
    m_keyedWhole.reset();
    m_decodedOrigin = {};
    m_size = QSize(0, 0);
}

bool CPictureImage::IsEmpty() const
{
    return m_image.isNull();
}

int CPictureImage::Width() const
{
    return m_size.width();
}

int CPictureImage::Height() const
{
    return m_size.height();
}

bool CPictureImage::HasAlpha() const
{
    return m_image.hasAlphaChannel();
}

qint64 CPictureImage::HeldBytes() const
{
    return m_image.sizeInBytes() + m_keyedScratch.sizeInBytes();
}

std::uint32_t CPictureImage::PixelAt(int x, int y) const
{
    const QPoint local = QPoint(x, y) - m_decodedOrigin;
    return m_image.valid(local) ? ColorRef(m_image.pixel(local)) : 0;
}

void CPictureImage::BlitTo(QPainter& target, int x, int y) const
{
    if (!m_image.isNull()) {
        target.drawImage(QPoint(x, y) + m_decodedOrigin, m_image);
    }
}

void CPictureImage::BlitTransparentTo(QPainter& target, int x, int y, std::uint32_t key) const
{
    if (m_image.isNull()) {
        return;
    }
    const QPoint topLeft = QPoint(x, y) + m_decodedOrigin;
    const QRect part = PartOnDevice(target, QRect(topLeft, m_image.size())).translated(-topLeft);
    if (part.isEmpty()) {
        return;
    }
    if (m_keyedWhole == key) {
        target.drawImage(topLeft + part.topLeft(), m_keyedScratch, part);
        return;
    }
    const QImage& keyed = KeyOut(part, key);
    if (!keyed.isNull()) {
        target.drawImage(topLeft + part.topLeft(), keyed, QRect(QPoint(0, 0), part.size()));
    }
}

// Copies `part` of the picture into the top-left of the scratch image, with
// every pixel of the key colour made transparent. The scratch image only
// grows, so drawing picture after picture allocates once.
const QImage& CPictureImage::KeyOut(const QRect& part, std::uint32_t key) const
{
    m_keyedWhole.reset();
    if (m_keyedScratch.width() < part.width() || m_keyedScratch.height() < part.height()) {
        m_keyedScratch = QImage(std::max(m_keyedScratch.width(), part.width()),
                                std::max(m_keyedScratch.height(), part.height()),
                                QImage::Format_ARGB32_Premultiplied);
        if (m_keyedScratch.isNull()) {
            return m_keyedScratch;
        }
    }
    const QRgb opaqueKey = OpaqueRgb(key);
    for (int row = 0; row < part.height(); ++row) {
        const auto* source =
            reinterpret_cast<const QRgb*>(m_image.constScanLine(part.y() + row)) + part.x();
        auto* keyed = reinterpret_cast<QRgb*>(m_keyedScratch.scanLine(row));
        std::transform(source, source + part.width(), keyed,
                       [opaqueKey](QRgb pixel) { return KeyedPixel(pixel, opaqueKey); });
    }
    return m_keyedScratch;
}

void CPictureImage::PrepareTransparent(std::uint32_t key)
{
    if (!m_image.isNull() && !KeyOut(m_image.rect(), key).isNull()) {
        m_keyedWhole = key;
    }
}

void CPictureImage::StretchTo(QPainter& target, const QRect& destination, const QRect& source) const
{
    if (!m_image.isNull()) {
        target.drawImage(QRectF(destination), m_image, QRectF(source.translated(-m_decodedOrigin)));
    }
}
