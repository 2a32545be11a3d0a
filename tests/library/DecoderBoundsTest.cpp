// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/DecoderBounds.h"
#include "library/PictureImage.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/TestPictures.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr qint64 kLimit = qint64(512) << 20;

bool Exceeds(const QByteArray& bytes, bool byParts = false)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ExceedsDecoderBounds(buffer, kLimit, byParts);
}

QByteArray BigEndian16(int value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

QByteArray BigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(value, bytes.data());
    return bytes;
}

QByteArray LittleEndian(quint64 value, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(value >> (8 * i) & 0xFF));
    return bytes;
}

// A JPEG up to its frame header and a little scan: `marker` 0xC0 is a
// baseline frame, 0xC2 a progressive one; `samplings` one byte per component.
QByteArray JpegFrame(int marker, int width, int height, const std::vector<int>& samplings)
{
    QByteArray bytes("\xFF\xD8\xFF\xE0", 4);
    bytes += BigEndian16(16) + QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14);
    bytes += QByteArray("\xFF", 1) + char(marker) +
             BigEndian16(8 + 3 * static_cast<int>(samplings.size()));
    bytes += char(8) + BigEndian16(height) + BigEndian16(width) + char(samplings.size());
    for (std::size_t c = 0; c < samplings.size(); ++c) {
        const char component[] = {char(c + 1), char(samplings[c]), 0};
        bytes += QByteArray(component, 3);
    }
    return bytes + QByteArray("\xFF\xDA\0\x08\1\1\0\0\x3F\0", 10) + QByteArray(200, '\x55');
}

QByteArray Chunk(const char* type, const QByteArray& data)
{
    return BigEndian32(quint32(data.size())) + QByteArray(type, 4) + data + BigEndian32(0);
}

QByteArray PngSignature()
{
    return QByteArray("\x89PNG\r\n\x1A\n", 8);
}

QByteArray Ihdr(quint32 width, quint32 height, bool interlaced = false)
{
    return Chunk("IHDR", BigEndian32(width) + BigEndian32(height) + QByteArray("\x08\x02\0\0", 4) +
                             char(interlaced ? 1 : 0));
}

// A GIF whose one frame of size x size lies at (offset, offset) of the screen.
QByteArray Gif(int screenWidth, int screenHeight, int offset, int size)
{
    QByteArray bytes("GIF89a");
    bytes +=
        LittleEndian(screenWidth, 2) + LittleEndian(screenHeight, 2) + QByteArray("\x80\0\0", 3);
    bytes += QByteArray(6, '\0');                     // a colour table of two entries
    bytes += QByteArray("\x21\xF9\x04\0\0\0\0\0", 8); // a graphic control extension
    bytes += char(0x2C) + LittleEndian(offset, 2) + LittleEndian(offset, 2) +
             LittleEndian(size, 2) + LittleEndian(size, 2) + char(0);
    return bytes + QByteArray("\x02\x02\x4C\x01\0\x3B", 6);
}

// A little-endian TIFF whose one directory holds `entries` (tag, type, value).
QByteArray Tiff(const std::vector<std::array<quint32, 3>>& entries)
{
    QByteArray bytes =
        QByteArray("II*\0", 4) + LittleEndian(8, 4) + LittleEndian(entries.size(), 2);
    for (const auto& [tag, type, value] : entries)
        bytes += LittleEndian(tag, 2) + LittleEndian(type, 2) + LittleEndian(1, 4) +
                 LittleEndian(value, 4);
    return bytes + LittleEndian(0, 4) + QByteArray(64, '\0');
}

QByteArray WebpVp8x(int width, int height, bool animated = false)
{
    return QByteArray("RIFF") + LittleEndian(30, 4) + "WEBPVP8X" + LittleEndian(10, 4) +
           char(animated ? 0x02 : 0) + QByteArray(3, '\0') + LittleEndian(width - 1, 3) +
           LittleEndian(height - 1, 3);
}

QByteArray Encoded(const QImage& picture, const char* format, bool progressive = false)
{
    return EncodePicture(picture, format, [progressive](QImageWriter& writer) {
        writer.setProgressiveScanWrite(progressive);
        writer.setText("Comment", "a few words");
    });
}

struct NamedFile
{
    const char* what;
    QByteArray bytes;
};

// Files whose headers claim what would make a decoder hold gigabytes.
std::vector<NamedFile> HostileFiles()
{
    return {
        {"progressive JPEG of 65500 x 65500", JpegFrame(0xC2, 65500, 65500, {0x11})},
        {"progressive JPEG of 12000 x 9000 in full colour",
         JpegFrame(0xC2, 12000, 9000, {0x11, 0x11, 0x11})},
        {"PNG whose text chunk claims 704 MB",
         PngSignature() + Ihdr(16, 16) + BigEndian32(704u << 20) + "tEXtTitle"},
        {"MNG of 65000 x 65000",
         QByteArray("\x8AMNG\r\n\x1A\n", 8) +
             Chunk("MHDR", BigEndian32(65000) + BigEndian32(65000) + QByteArray(20, '\0'))},
        {"MNG holding a PNG of 30000 x 30000",
         QByteArray("\x8AMNG\r\n\x1A\n", 8) +
             Chunk("MHDR", BigEndian32(10) + BigEndian32(10) + QByteArray(20, '\0')) +
             Ihdr(30000, 30000) + Chunk("MEND", {})},
        {"interlaced PNG of 20000 x 20000", PngSignature() + Ihdr(20000, 20000, true)},
        {"TIFF of 63489 samples per pixel",
         Tiff({{256, 3, 1000}, {257, 3, 1000}, {258, 3, 8}, {277, 3, 63489}})},
        {"TIFF whose 8-bit tile is 65535 x 65535",
         Tiff({{256, 3, 16}, {257, 3, 16}, {258, 3, 8}, {322, 4, 65535}, {323, 4, 65535}})},
        {"animated WebP canvas of 16384 x 16384", WebpVp8x(16384, 16384, true)},
        {"sequential JPEG whose first scan holds one of three components",
         JpegFrame(0xC0, 65500, 65500, {0x11, 0x11, 0x11})},
        {"progressive JPEG behind stray bytes",
         QByteArray("\xFF\xD8junk", 6) + JpegFrame(0xC2, 65500, 65500, {0x11}).mid(2)},
        {"PNG whose text chunk after the image data claims 704 MB",
         PngSignature() + Ihdr(16, 16) + Chunk("IDAT", QByteArray(20, 'x')) +
             BigEndian32(704u << 20) + "tEXtTitle"},
    };
}

// A little-endian BigTIFF whose one entry claims 2^63 values of its tag.
QByteArray BigTiffClaimingValues(int tag)
{
    return QByteArray("II+\0", 4) + LittleEndian(8, 2) + LittleEndian(0, 2) + LittleEndian(16, 8) +
           LittleEndian(1, 8) + LittleEndian(tag, 2) + LittleEndian(3, 2) +
           LittleEndian(std::uint64_t(1) << 63, 8) + LittleEndian(8, 8) + LittleEndian(0, 8);
}

} // namespace

TEST(DecoderBounds, ClaimsThatWouldMakeADecoderHoldTooMuchAreRefused)
{
    for (const NamedFile& file : HostileFiles())
        EXPECT_TRUE(Exceeds(file.bytes)) << file.what;
}

// Files whose decoders hold only the part of the picture asked for, however
// large the picture claims to be.
std::vector<NamedFile> BoundedByTheirPart()
{
    return {
        {"GIF with a screen of 20000 x 20000", Gif(20000, 20000, 0, 1)},
        {"GIF whose frame lands at 60000", Gif(10, 10, 60000, 5000)},
        {"PNG of 20000 x 20000", PngSignature() + Ihdr(20000, 20000)},
        {"PNG of 1000000 x 1000000", PngSignature() + Ihdr(1000000, 1000000)},
        {"still WebP of 16384 x 16384", WebpVp8x(16384, 16384)},
    };
}

TEST(DecoderBounds, PicturesDecodedAPartAtATimeAreNotRefusedForTheirSize)
{
    for (const NamedFile& file : BoundedByTheirPart())
        EXPECT_FALSE(Exceeds(file.bytes)) << file.what;
}

// A TIFF decoded a part at a time needs one strip or tile at a time; decoded
// whole, all of them.
TEST(DecoderBounds, ATiffDecodedByPartsIsBoundedByItsStripsOrTiles)
{
    const struct
    {
        const char* what;
        QByteArray bytes;
        bool exceedsByParts;
    } files[] = {
        {"RGB of 20000 x 20000 in strips of 16 rows",
         Tiff({{256, 3, 20000}, {257, 3, 20000}, {258, 3, 8}, {277, 3, 3}, {278, 3, 16}}), false},
        {"RGB of 20000 x 20000 in tiles of 256 x 256",
         Tiff({{256, 3, 20000},
               {257, 3, 20000},
               {258, 3, 8},
               {277, 3, 3},
               {322, 3, 256},
               {323, 3, 256}}),
         false},
        {"RGB of 20000 x 20000 in one strip",
         Tiff({{256, 3, 20000}, {257, 3, 20000}, {258, 3, 8}, {277, 3, 3}}), true},
        {"RGB of 20000 x 20000 in strips of 20000 rows",
         Tiff({{256, 3, 20000}, {257, 3, 20000}, {258, 3, 8}, {277, 3, 3}, {278, 3, 20000}}), true},
    };
    for (const auto& file : files) {
        EXPECT_TRUE(Exceeds(file.bytes)) << file.what;
        EXPECT_EQ(Exceeds(file.bytes, true), file.exceedsByParts) << file.what;
    }
}

// The same files through the image object, as the play and the dialogs open
// and decode them: refused, or decoded a part at a time, without the memory
// their claims would cost.
TEST(DecoderBounds, HostileFilesCostNoMoreMemoryThanTheirBytes)
{
    QTemporaryDir dir;
    std::vector<NamedFile> files = HostileFiles();
    for (NamedFile& file : BoundedByTheirPart())
        files.push_back(std::move(file));
    for (const NamedFile& file : files) {
        SCOPED_TRACE(file.what);
        const std::string path = dir.path().toStdString() + "/hostile";
        WriteFile(path, file.bytes);
        const PeakMemoryProbe memory;
        CPictureImage image;
        if (image.Open(path) == CPictureImage::kSuccess)
            image.Decode(QRect(0, 0, 1920, 1080));
        CPictureImage whole;
        whole.LoadFile(path);
        EXPECT_LT(memory.GrowthBytes(), 64 << 20);
    }
}

TEST(DecoderBounds, PicturesWithinTheLimitAreLeftToTheReader)
{
    const QImage picture = BlockPicture(64, 48, 8);
    const struct
    {
        const char* what;
        QByteArray bytes;
    } readable[] = {
        {"baseline JPEG", Encoded(picture, "jpeg")},
        {"progressive JPEG", Encoded(picture, "jpeg", true)},
        {"phone photo's frame, progressive", JpegFrame(0xC2, 4032, 3024, {0x22, 0x11, 0x11})},
        {"12000 x 9000 progressive with halved colour",
         JpegFrame(0xC2, 12000, 9000, {0x22, 0x11, 0x11})},
        {"65500 x 65500 baseline (decoded row by row)", JpegFrame(0xC0, 65500, 65500, {0x11})},
        {"PNG with text", Encoded(picture, "png")},
        {"PNG cut off in its image data", Encoded(picture, "png").chopped(20)},
        {"GIF", EncodeGif(picture.convertToFormat(QImage::Format_Indexed8))},
        {"TIFF", Encoded(picture, "tiff")},
        {"TIFF of 8000 x 8000 in 16-bit RGBA",
         Tiff({{256, 3, 8000}, {257, 3, 8000}, {258, 3, 16}, {277, 3, 4}})},
        {"WebP canvas of 4000 x 3000", WebpVp8x(4000, 3000)},
        {"bilevel TIFF of 40000 x 40000",
         Tiff({{256, 4, 40000}, {257, 4, 40000}, {258, 3, 1}, {277, 3, 1}})},
        {"BigTIFF claiming 2^63 bits per sample", BigTiffClaimingValues(258)},
        {"BMP", Encoded(picture, "bmp")},
        {"four bytes", QByteArray("\xFF\xD8\xFF\xC2", 4)},
        {"nothing", QByteArray()},
    };
    for (const auto& file : readable)
        EXPECT_FALSE(Exceeds(file.bytes)) << file.what;
}

TEST(DecoderBounds, APictureOverTheBoundsDoesNotOpen)
{
    QTemporaryDir dir;
    const std::string hostile = dir.path().toStdString() + "/huge.jpg";
    WriteFile(hostile, JpegFrame(0xC2, 65500, 65500, {0x11}));
    CPictureImage image;
    EXPECT_EQ(image.Open(hostile), CPictureImage::kFailure);
    EXPECT_TRUE(image.IsEmpty());

    const std::string progressive = dir.path().toStdString() + "/small.jpg";
    WriteFile(progressive, Encoded(BlockPicture(64, 48, 8), "jpeg", true));
    ASSERT_EQ(image.LoadFile(progressive), CPictureImage::kSuccess);
    EXPECT_EQ(image.Width(), 64);
}
