// SPDX-License-Identifier: GPL-3.0-or-later
// TIFF pictures through libtiff, reading only the strips or tiles that cross
// the part. Qt's TIFF reader reads grey and palette pictures scanline by
// scanline and every other one through libtiff's RGBA interface; both are
// done here for the part alone, in the format Qt's reader picks, and the
// file's orientation is handed to the image object to turn the part as Qt's
// reader turns the whole. Pictures Qt reads otherwise (16-bit colour,
// floating point, tiled grey) are left to Qt's reader.
#include "library/decode/TiffPart.h"

#include <QIODevice>

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <vector>

namespace {

// Larger single buffers are refused, as the image reader's limit refuses
// larger pictures.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t(512) << 20;

tsize_t ReadFile(thandle_t file, tdata_t buffer, tsize_t size)
{
    return static_cast<QIODevice*>(file)->read(static_cast<char*>(buffer), size);
}

tsize_t WriteNothing(thandle_t, tdata_t, tsize_t)
{
    return -1;
}

toff_t SeekFile(thandle_t handle, toff_t offset, int whence)
{
    auto* file = static_cast<QIODevice*>(handle);
    const qint64 base = whence == SEEK_CUR ? file->pos() : whence == SEEK_END ? file->size() : 0;
    file->seek(base + qint64(offset));
    return toff_t(file->pos());
}

int CloseNothing(thandle_t)
{
    return 0;
}

toff_t FileSize(thandle_t file)
{
    return toff_t(static_cast<QIODevice*>(file)->size());
}

int MapNothing(thandle_t, tdata_t*, toff_t*)
{
    return 0;
}

void UnmapNothing(thandle_t, tdata_t, toff_t) {}

// Errors and warnings end as a failed read, without a word on the terminal.
int Quiet(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

QImageIOHandler::Transformations TurnOf(int orientation)
{
    switch (orientation) {
    case ORIENTATION_TOPRIGHT:
        return QImageIOHandler::TransformationMirror;
    case ORIENTATION_BOTRIGHT:
        return QImageIOHandler::TransformationRotate180;
    case ORIENTATION_BOTLEFT:
        return QImageIOHandler::TransformationFlip;
    case ORIENTATION_LEFTTOP:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case ORIENTATION_RIGHTTOP:
        return QImageIOHandler::TransformationRotate90;
    case ORIENTATION_RIGHTBOT:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case ORIENTATION_LEFTBOT:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

class TiffPart final : public PartDecoder
{
public:
    ~TiffPart() override
    {
        if (m_tiff != nullptr) {
            TIFFClose(m_tiff);
        }
    }

    // Whether the first directory is one this decoder reads as Qt does.
    bool ReadHeader(QIODevice& file);
    QSize StoredSize() const override { return m_size; }
    QImageIOHandler::Transformations Turn() const override { return TurnOf(m_orientation); }
    QImage Decode(const QRect& part) override;

private:
    bool PickFormat();
    QList<QRgb> ColourTable() const;
    QImage ScanlinePart(const QRect& part);
    QImage RgbaPart(const QRect& part);

    TIFF* m_tiff = nullptr;
    QSize m_size;
    int m_orientation = ORIENTATION_TOPLEFT;
    uint16_t m_photometric = 0;
    uint16_t m_bits = 1;
    uint16_t m_samples = 1;
    // Qt's format; Format_Mono comes out as Indexed8 with the same colours.
    QImage::Format m_format = QImage::Format_Invalid;
};

bool TiffPart::ReadHeader(QIODevice& file)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, Quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    m_tiff = TIFFClientOpenExt("picture", "rh", &file, ReadFile, WriteNothing, SeekFile,
                               CloseNothing, FileSize, MapNothing, UnmapNothing, options);
    TIFFOpenOptionsFree(options);
    uint32_t width = 0;
    uint32_t height = 0;
    if (m_tiff == nullptr || !TIFFSetDirectory(m_tiff, 0) ||
        !TIFFGetField(m_tiff, TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(m_tiff, TIFFTAG_IMAGELENGTH, &height) ||
        !TIFFGetField(m_tiff, TIFFTAG_PHOTOMETRIC, &m_photometric)) {
        return false;
    }
    m_size =
        QSize(int(std::min<uint32_t>(width, INT_MAX)), int(std::min<uint32_t>(height, INT_MAX)));
    uint16_t orientation = ORIENTATION_TOPLEFT;
    if (TIFFGetField(m_tiff, TIFFTAG_ORIENTATION, &orientation)) {
        m_orientation = orientation;
    }
    if (!TIFFGetField(m_tiff, TIFFTAG_BITSPERSAMPLE, &m_bits)) {
        m_bits = 1;
    }
    if (!TIFFGetField(m_tiff, TIFFTAG_SAMPLESPERPIXEL, &m_samples)) {
        m_samples = 1;
    }
    if (m_size.isEmpty() || !PickFormat()) {
        return false;
    }
    // As Qt's reader: a tile larger than the whole picture is damage.
    const quint64 pictureBytes =
        quint64(width) * height * quint64(QImage::toPixelFormat(m_format).bitsPerPixel()) / 8;
    return !TIFFIsTiled(m_tiff) || TIFFTileSize64(m_tiff) <= pictureBytes;
}

bool TiffPart::PickFormat()
{
    uint16_t sampleFormat = SAMPLEFORMAT_UINT;
    TIFFGetField(m_tiff, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    const bool grey =
        m_photometric == PHOTOMETRIC_MINISBLACK || m_photometric == PHOTOMETRIC_MINISWHITE;
    const bool scanlines = !TIFFIsTiled(m_tiff);
    if (grey && m_bits == 1 && m_samples == 1) {
        m_format = QImage::Format_Mono;
        return scanlines;
    }
    if (m_photometric == PHOTOMETRIC_MINISBLACK && m_bits == 8 && m_samples == 1) {
        m_format = QImage::Format_Grayscale8;
        return scanlines;
    }
    if (m_photometric == PHOTOMETRIC_MINISBLACK && m_bits == 16 && m_samples == 1 &&
        sampleFormat != SAMPLEFORMAT_IEEEFP) {
        m_format = QImage::Format_Grayscale16;
        return scanlines;
    }
    if ((grey || m_photometric == PHOTOMETRIC_PALETTE) && m_bits == 8 && m_samples == 1) {
        m_format = QImage::Format_Indexed8;
        return scanlines;
    }
    if (m_bits != 8 || sampleFormat == SAMPLEFORMAT_IEEEFP) {
        return false; // 16-bit colour and floating point: Qt's reader reads them its own way
    }
    if (m_samples < 4) {
        m_format = QImage::Format_RGB32;
        return true;
    }
    // libtiff gives premultiplied colours when an extra sample says what its
    // alpha is, and Qt's reader takes them so.
    uint16_t count = 0;
    uint16_t* extra = nullptr;
    const bool said = TIFFGetField(m_tiff, TIFFTAG_EXTRASAMPLES, &count, &extra) && count > 0 &&
                      extra[0] != EXTRASAMPLE_UNSPECIFIED;
    m_format = said ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32;
    return m_photometric != PHOTOMETRIC_SEPARATED;
}

QList<QRgb> TiffPart::ColourTable() const
{
    if (m_format == QImage::Format_Mono) {
        const QRgb black = qRgb(0, 0, 0);
        const QRgb white = qRgb(255, 255, 255);
        return m_photometric == PHOTOMETRIC_MINISBLACK ? QList<QRgb>{black, white}
                                                       : QList<QRgb>{white, black};
    }
    QList<QRgb> table(256);
    uint16_t* red = nullptr;
    uint16_t* green = nullptr;
    uint16_t* blue = nullptr;
    if (m_photometric == PHOTOMETRIC_PALETTE) {
        if (!TIFFGetField(m_tiff, TIFFTAG_COLORMAP, &red, &green, &blue) || red == nullptr ||
            green == nullptr || blue == nullptr) {
            return {};
        }
    }
    for (int i = 0; i < table.size(); ++i) {
        const int grey = m_photometric == PHOTOMETRIC_MINISBLACK ? i : 255 - i;
        table[i] = red != nullptr ? qRgb(red[i] >> 8, green[i] >> 8, blue[i] >> 8)
                                  : qRgb(grey, grey, grey);
    }
    return table;
}

// Grey and palette pictures: the part's scanlines, from the start of the
// strip that holds its first row.
QImage TiffPart::ScanlinePart(const QRect& part)
{
    const bool mono = m_format == QImage::Format_Mono;
    QImage image = AllocatePart(part.size(), mono ? QImage::Format_Indexed8 : m_format);
    std::vector<uchar> row(size_t(std::max<tmsize_t>(TIFFScanlineSize(m_tiff), 0)));
    const size_t pixelBytes = mono ? 0 : size_t(image.depth() / 8);
    if (image.isNull() || (!mono && row.size() < size_t(m_size.width()) * pixelBytes)) {
        return {};
    }
    if (image.format() == QImage::Format_Indexed8) {
        const QList<QRgb> table = ColourTable();
        if (table.isEmpty()) {
            return {};
        }
        image.setColorTable(table);
    }
    // Codecs cannot skip rows: the strip is read from its first row.
    uint32_t rowsPerStrip = UINT32_MAX;
    TIFFGetFieldDefaulted(m_tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    const auto first = int(uint32_t(part.top()) / std::max(rowsPerStrip, 1u) * rowsPerStrip);
    for (int y = first; y <= part.bottom(); ++y) {
        if (TIFFReadScanline(m_tiff, row.data(), uint32_t(y), 0) < 0) {
            return {};
        }
        if (y < part.top()) {
            continue;
        }
        uchar* target = image.scanLine(y - part.top());
        if (!mono) {
            std::copy_n(row.data() + size_t(part.left()) * pixelBytes,
                        size_t(part.width()) * pixelBytes, target);
            continue;
        }
        for (int x = 0; x < part.width(); ++x) {
            const int column = part.left() + x;
            if (size_t(column / 8) >= row.size()) {
                return {};
            }
            target[x] = (row[size_t(column / 8)] >> (7 - column % 8)) & 1;
        }
    }
    return image;
}

// Every other picture: libtiff's RGBA reading of the part alone, in stored
// order, with red and blue swapped into Qt's order.
QImage TiffPart::RgbaPart(const QRect& part)
{
    char message[1024] = {};
    TIFFRGBAImage reader{};
    if (!TIFFRGBAImageOK(m_tiff, message) || !TIFFRGBAImageBegin(&reader, m_tiff, 1, message)) {
        return {};
    }
    reader.req_orientation = uint16_t(m_orientation);
    reader.row_offset = part.top();
    reader.col_offset = part.left();
    QImage image = AllocatePart(part.size(), m_format);
    const bool read =
        !image.isNull() && TIFFRGBAImageGet(&reader, reinterpret_cast<uint32_t*>(image.bits()),
                                            uint32_t(part.width()), uint32_t(part.height()));
    TIFFRGBAImageEnd(&reader);
    if (!read) {
        return {};
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
        std::transform(line, line + image.width(), line, [](uint32_t abgr) {
            return qRgba(int(TIFFGetR(abgr)), int(TIFFGetG(abgr)), int(TIFFGetB(abgr)),
                         int(TIFFGetA(abgr)));
        });
    }
    return image;
}

QImage TiffPart::Decode(const QRect& part)
{
    if (part.isEmpty() || !QRect(QPoint(0, 0), m_size).contains(part)) {
        return {};
    }
    const bool scanlines =
        m_format == QImage::Format_Mono || m_format == QImage::Format_Grayscale8 ||
        m_format == QImage::Format_Grayscale16 || m_format == QImage::Format_Indexed8;
    return scanlines ? ScanlinePart(part) : RgbaPart(part);
}

} // namespace

OpenedPart OpenTiffPart(QIODevice& file)
{
    auto tiff = std::make_unique<TiffPart>();
    if (!file.seek(0) || !tiff->ReadHeader(file)) {
        return {}; // left to Qt's reader, which fails on it or reads it its own way
    }
    return {true, std::move(tiff)};
}
