#include "tests/support/TestPictures.h"

#include <QBuffer>
#include <QImageWriter>

#include <fstream>

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

// LZW codes of 9 bits, each pixel a literal; a clear code every 250 pixels
// keeps the decoder's table from growing past 9 bits.
QByteArray GifPixelCodes(const QImage& picture)
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
    for (int y = 0; y < picture.height(); ++y) {
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

QByteArray EncodePicture(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(picture);
    return bytes;
}

QByteArray EncodeGif(const QImage& palettePicture)
{
    QByteArray gif("GIF89a");
    AppendLittleEndian16(gif, palettePicture.width());
    AppendLittleEndian16(gif, palettePicture.height());
    gif += char(0xF7); // global palette of 256 entries
    gif += QByteArray(2, '\0');
    for (int index = 0; index < 256; ++index) {
        const QRgb color = index < palettePicture.colorCount() ? palettePicture.color(index) : 0;
        gif += char(qRed(color));
        gif += char(qGreen(color));
        gif += char(qBlue(color));
    }
    gif += char(0x2C);
    AppendLittleEndian16(gif, 0);
    AppendLittleEndian16(gif, 0);
    AppendLittleEndian16(gif, palettePicture.width());
    AppendLittleEndian16(gif, palettePicture.height());
    gif += '\0';
    gif += char(8); // minimum code size
    const QByteArray codes = GifPixelCodes(palettePicture);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size());
        gif += block;
    }
    gif += '\0';
    gif += char(0x3B);
    return gif;
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
