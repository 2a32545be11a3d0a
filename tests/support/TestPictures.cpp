// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestPictures.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <fstream>
#include <vector>

namespace {

void AppendBigEndian32(QByteArray& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes += char((value >> shift) & 0xFF);
    }
}

void AppendLittleEndian16(QByteArray& bytes, int value)
{
    bytes += char(value & 0xFF);
    bytes += char((value >> 8) & 0xFF);
}

std::uint32_t Crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= std::uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1u) ? 0xEDB88320u : 0u);
        }
    }
    return ~crc;
}

void AppendPngChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type) + data;
    AppendBigEndian32(png, std::uint32_t(data.size()));
    png += typed;
    AppendBigEndian32(png, Crc32(typed));
}

// The rows of a GIF frame in the order they are stored.
std::vector<int> GifRowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            rows.push_back(y);
        }
        return rows;
    }
    const std::array<std::array<int, 2>, 4> passes{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : passes) {
        for (int y = start; y < height; y += step) {
            rows.push_back(y);
        }
    }
    return rows;
}

// LZW codes of 9 bits, each pixel a literal; a clear code every 250 pixels
// keeps the decoder's table from growing past 9 bits.
QByteArray GifPixelCodes(const QImage& picture, bool interlaced)
{
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    QByteArray packed;
    std::uint32_t bits = 0;
    int bitCount = 0;
    const auto put = [&](int code) {
        bits |= std::uint32_t(code) << bitCount;
        for (bitCount += 9; bitCount >= 8; bitCount -= 8, bits >>= 8) {
            packed += char(bits & 0xFF);
        }
    };
    int sinceClear = 0;
    put(kClear);
    for (const int y : GifRowOrder(picture.height(), interlaced)) {
        for (int x = 0; x < picture.width(); ++x, ++sinceClear) {
            if (sinceClear == 250) {
                put(kClear);
                sinceClear = 0;
            }
            put(picture.pixelIndex(x, y));
        }
    }
    put(kEnd);
    if (bitCount > 0) {
        packed += char(bits & 0xFF);
    }
    return packed;
}

} // namespace

QImage PatternPicture(QImage::Format format, int width, int height, const QList<QRgb>& colors)
{
    QImage picture(width, height, format);
    picture.setColorTable(colors);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, uint((x + 2 * y) % colors.size()));
        }
    }
    return picture;
}

QImage BlockPicture(int width, int height, int block)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int bx = x / block;
            const int by = y / block;
            picture.setPixel(x, y, qRgb(bx * 40 % 256, by * 40 % 256, (bx + by) % 2 * 200));
        }
    }
    return picture;
}

QByteArray EncodePicture(const QImage& picture, const char* format,
                         const std::function<void(QImageWriter&)>& setUp)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (setUp)
        setUp(writer);
    EXPECT_TRUE(writer.write(picture)) << format;
    return bytes;
}

QByteArray EncodeGif(const QImage& palettePicture)
{
    return EncodeGif(palettePicture, {palettePicture.size(), {0, 0}, -1, 0, false});
}

QByteArray EncodeGif(const QImage& palettePicture, const GifLayout& layout)
{
    QByteArray gif("GIF89a");
    AppendLittleEndian16(gif, layout.screen.width());
    AppendLittleEndian16(gif, layout.screen.height());
    gif += char(0xF7); // global palette of 256 entries
    gif += char(layout.backgroundIndex);
    gif += '\0';
    for (int index = 0; index < 256; ++index) {
        const QRgb color = index < palettePicture.colorCount() ? palettePicture.color(index) : 0;
        gif += char(qRed(color));
        gif += char(qGreen(color));
        gif += char(qBlue(color));
    }
    if (layout.transparentIndex >= 0) {
        gif += QByteArray("\x21\xF9\x04\x01\0\0", 6);
        gif += char(layout.transparentIndex);
        gif += '\0';
    }
    gif += char(0x2C);
    AppendLittleEndian16(gif, layout.offset.x());
    AppendLittleEndian16(gif, layout.offset.y());
    AppendLittleEndian16(gif, palettePicture.width());
    AppendLittleEndian16(gif, palettePicture.height());
    gif += char(layout.interlaced ? 0x40 : 0);
    gif += char(8); // minimum code size
    const QByteArray codes = GifPixelCodes(palettePicture, layout.interlaced);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size());
        gif += block;
    }
    gif += '\0';
    gif += char(0x3B);
    return gif;
}

namespace {

int PngChannels(int colourType)
{
    constexpr std::array kChannels{1, 0, 3, 1, 2, 0, 4};
    return kChannels[size_t(colourType)];
}

// One filtered row (filter "none") of the pixels x = first, first + step, ...
QByteArray PngRow(const PngLayout& layout, const PngSample& sample, int y, int first, int step)
{
    const int channels = PngChannels(layout.colourType);
    QByteArray row(1, '\0');
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (int x = first; x < layout.size.width(); x += step) {
        for (int channel = 0; channel < channels; ++channel) {
            const int value = sample(x, y, channel);
            if (layout.bitDepth == 16) {
                row += char(value >> 8);
                row += char(value & 0xFF);
                continue;
            }
            bits = bits << layout.bitDepth | std::uint32_t(value);
            for (bitCount += layout.bitDepth; bitCount >= 8; bitCount -= 8) {
                row += char((bits >> (bitCount - 8)) & 0xFF);
            }
        }
    }
    if (bitCount > 0) {
        row += char((bits << (8 - bitCount)) & 0xFF);
    }
    return row;
}

QByteArray PngFile(const PngLayout& layout, const QByteArray& raw)
{
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    QByteArray header;
    AppendBigEndian32(header, std::uint32_t(layout.size.width()));
    AppendBigEndian32(header, std::uint32_t(layout.size.height()));
    header += char(layout.bitDepth);
    header += char(layout.colourType);
    header += QByteArray(2, '\0');
    header += char(layout.interlaced ? 1 : 0);
    AppendPngChunk(png, "IHDR", header);
    if (!layout.palette.isEmpty()) {
        AppendPngChunk(png, "PLTE", layout.palette);
    }
    if (!layout.transparency.isEmpty()) {
        AppendPngChunk(png, "tRNS", layout.transparency);
    }
    if (!layout.exif.isEmpty()) {
        AppendPngChunk(png, "eXIf", layout.exif);
    }
    AppendPngChunk(png, "IDAT", qCompress(raw).mid(4)); // without Qt's length prefix
    AppendPngChunk(png, "IEND", {});
    return png;
}

} // namespace

QByteArray EncodePng(const PngLayout& layout, const PngSample& sample)
{
    QByteArray raw;
    if (!layout.interlaced) {
        for (int y = 0; y < layout.size.height(); ++y) {
            raw += PngRow(layout, sample, y, 0, 1);
        }
        return PngFile(layout, raw);
    }
    // Adam7: (first column, column step, first row, row step) of each pass.
    constexpr std::array<std::array<int, 4>, 7> kPasses{{{0, 8, 0, 8},
                                                         {4, 8, 0, 8},
                                                         {0, 4, 4, 8},
                                                         {2, 4, 0, 4},
                                                         {0, 2, 2, 4},
                                                         {1, 2, 0, 2},
                                                         {0, 1, 1, 2}}};
    for (const auto& [column, columnStep, row, rowStep] : kPasses) {
        if (column >= layout.size.width()) {
            continue; // an empty pass has no rows at all
        }
        for (int y = row; y < layout.size.height(); y += rowStep) {
            raw += PngRow(layout, sample, y, column, columnStep);
        }
    }
    return PngFile(layout, raw);
}

namespace {

void AppendLittleEndian32(QByteArray& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += char((value >> shift) & 0xFF);
    }
}

QByteArray BmpRow(const BmpLayout& layout, const BmpSample& sample, int y)
{
    QByteArray row;
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (int x = 0; x < layout.size.width(); ++x) {
        const std::uint32_t value = sample(x, y);
        if (layout.bits >= 8) {
            for (int shift = 0; shift < layout.bits; shift += 8) {
                row += char((value >> shift) & 0xFF);
            }
            continue;
        }
        bits = bits << layout.bits | value;
        for (bitCount += layout.bits; bitCount >= 8; bitCount -= 8) {
            row += char((bits >> (bitCount - 8)) & 0xFF);
        }
    }
    if (bitCount > 0) {
        row += char((bits << (8 - bitCount)) & 0xFF);
    }
    row.resize((layout.size.width() * layout.bits + 31) / 32 * 4, '\0');
    return row;
}

// One line run-length coded: pieces of five pixels stored as they are,
// runs where a piece repeats one index, single-pixel runs at the end.
QByteArray BmpRleLine(const BmpLayout& layout, const BmpSample& sample, int y)
{
    constexpr int kPiece = 5;
    const bool nibbles = layout.bits == 4;
    QByteArray line;
    int x = 0;
    for (; x + kPiece <= layout.size.width(); x += kPiece) {
        std::array<std::uint32_t, kPiece> values{};
        for (int i = 0; i < kPiece; ++i) {
            values[size_t(i)] = sample(x + i, y);
        }
        if (std::all_of(values.begin(), values.end(), [&](auto v) { return v == values[0]; })) {
            line += char(kPiece);
            line += char(nibbles ? values[0] << 4 | values[0] : values[0]);
            continue;
        }
        QByteArray indices;
        for (int i = 0; i < kPiece; i += nibbles ? 2 : 1) {
            const std::uint32_t next = i + 1 < kPiece ? values[size_t(i + 1)] : 0;
            indices += char(nibbles ? values[size_t(i)] << 4 | next : values[size_t(i)]);
        }
        line += '\0';
        line += char(kPiece);
        line += indices;
        if (indices.size() % 2 == 1) {
            line += '\0';
        }
    }
    for (; x < layout.size.width(); ++x) {
        line += char(1);
        line += char(nibbles ? sample(x, y) << 4 : sample(x, y));
    }
    return line + QByteArray(2, '\0');
}

} // namespace

QByteArray EncodeBmp(const BmpLayout& layout, const BmpSample& sample)
{
    const bool core = layout.headerBytes == 12;
    QByteArray header;
    AppendLittleEndian32(header, std::uint32_t(layout.headerBytes));
    const int height = layout.topDown ? -layout.size.height() : layout.size.height();
    if (core) {
        AppendLittleEndian16(header, layout.size.width());
        AppendLittleEndian16(header, height);
        AppendLittleEndian16(header, 1);
        AppendLittleEndian16(header, layout.bits);
    } else {
        AppendLittleEndian32(header, std::uint32_t(layout.size.width()));
        AppendLittleEndian32(header, std::uint32_t(height));
        AppendLittleEndian16(header, 1);
        AppendLittleEndian16(header, layout.bits);
        AppendLittleEndian32(header, std::uint32_t(layout.compression));
        header += QByteArray(12, '\0'); // image size, resolution
        AppendLittleEndian32(header, std::uint32_t(layout.colours));
        AppendLittleEndian32(header, 0);
    }
    const bool masksInHeader = layout.headerBytes >= 108;
    if (masksInHeader || layout.compression == 3) {
        for (int i = 0; i < (masksInHeader ? 4 : 3); ++i) {
            AppendLittleEndian32(header, layout.masks[size_t(i)]);
        }
    }
    header.resize(masksInHeader ? layout.headerBytes : header.size(), '\0');
    for (int i = 0; i < layout.colours; ++i) {
        header += char(i * 37 % 256);
        header += char(255 - i * 11 % 256);
        header += char(i * 91 % 256);
        if (!core) {
            header += '\0';
        }
    }
    const bool runLength = layout.compression == 1 || layout.compression == 2;
    QByteArray pixels;
    for (int row = 0; row < layout.size.height(); ++row) {
        const int y = layout.topDown ? row : layout.size.height() - 1 - row;
        pixels += runLength ? BmpRleLine(layout, sample, y) : BmpRow(layout, sample, y);
    }
    if (runLength) {
        pixels += QByteArray("\0\1", 2);
    }
    QByteArray bmp("BM");
    AppendLittleEndian32(bmp, std::uint32_t(14 + header.size() + pixels.size()));
    AppendLittleEndian32(bmp, 0);
    AppendLittleEndian32(bmp, std::uint32_t(14 + header.size()));
    return bmp + header + pixels;
}

QByteArray SolidPalettePng(QSize size, QRgb colour)
{
    QByteArray palette;
    palette += char(qRed(colour));
    palette += char(qGreen(colour));
    palette += char(qBlue(colour));
    const PngLayout layout{size, 3, 1, false, palette, {}};
    const QByteArray row((size.width() + 7) / 8 + 1, '\0');
    QByteArray raw;
    raw.reserve(row.size() * size.height());
    for (int y = 0; y < size.height(); ++y) {
        raw += row;
    }
    return PngFile(layout, raw);
}

QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation)
{
    // Big-endian TIFF header, one directory with the orientation entry.
    QByteArray exif("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 24);
    exif += char(0);
    exif += char(orientation);
    exif += QByteArray(6, '\0');
    QByteArray segment("\xFF\xE1");
    segment += char((exif.size() + 2) >> 8);
    segment += char((exif.size() + 2) & 0xFF);
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

QByteArray PngHeaderOnly(std::uint32_t width, std::uint32_t height)
{
    QByteArray png("\x89PNG\r\n\x1A\n");
    QByteArray header;
    AppendBigEndian32(header, width);
    AppendBigEndian32(header, height);
    header += QByteArray("\x08\x06\0\0\0", 5); // 8-bit RGBA
    AppendPngChunk(png, "IHDR", header);
    AppendPngChunk(png, "IDAT", QByteArray(4, '\0'));
    AppendPngChunk(png, "IEND", {});
    return png;
}

void WriteFile(const std::string& path, const QByteArray& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

std::uint32_t ColorRefOf(QRgb color)
{
    return std::uint32_t(qRed(color)) | std::uint32_t(qGreen(color)) << 8 |
           std::uint32_t(qBlue(color)) << 16;
}
