// SPDX-License-Identifier: GPL-3.0-or-later
// The image object's own decoders against Qt's reader: every part they
// decode must hold the very pixels of Qt's whole picture, turned and cut to
// the same part, in the same drawing format.
#include "library/PictureImage.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/TestPictures.h"

#include <QImageReader>
#include <QPainter>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

struct PictureFile
{
    std::string name;
    QByteArray bytes;
};

// Channel values with every level of small depths, zero alphas among them.
int Sample(int x, int y, int channel, int depth)
{
    const int levels = 1 << depth;
    if (channel == 3 || (channel == 1 && depth > 0 && x % 5 == 0)) {
        const int alpha = (x + 2 * y) % 4;
        return alpha == 0 ? 0 : alpha == 3 ? levels - 1 : (levels / 3) * alpha;
    }
    return (x * 7 + y * 13 + channel * 29 + x * y * 3) % levels;
}

QByteArray Palette(int entries)
{
    QByteArray palette;
    for (int i = 0; i < entries; ++i) {
        palette += char(i * 37 % 256);
        palette += char(255 - i * 11 % 256);
        palette += char(i * 91 % 256);
    }
    return palette;
}

QByteArray Big16(int value)
{
    return QByteArray{char(value >> 8), char(value & 0xFF)};
}

// Every PNG colour type at every depth it allows, with and without a
// transparency chunk, plain and interlaced.
std::vector<PictureFile> PngFiles(QSize size)
{
    struct Kind
    {
        const char* name;
        int type;
        int depth;
        QByteArray palette;
        QByteArray transparency;
        int paletteSamples = 0; // palette indices run past the palette
        QByteArray exif{};
    };
    // Orientation 6, which Qt's PNG reader leaves unapplied.
    const QByteArray turned("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 26);
    const Kind kinds[] = {
        {"grey1", 0, 1, {}, {}},
        {"grey2", 0, 2, {}, {}},
        {"grey4", 0, 4, {}, {}},
        {"grey8", 0, 8, {}, {}},
        {"grey16", 0, 16, {}, {}},
        {"grey1-trns", 0, 1, {}, Big16(1)},
        {"grey2-trns", 0, 2, {}, Big16(2)},
        {"grey8-trns", 0, 8, {}, Big16(5)},
        {"grey16-trns", 0, 16, {}, Big16(300)},
        {"rgb8", 2, 8, {}, {}},
        {"rgb16", 2, 16, {}, {}},
        {"rgb8-trns", 2, 8, {}, Big16(0) + Big16(0) + Big16(58)},
        {"palette1", 3, 1, Palette(2), {}},
        {"palette2", 3, 2, Palette(4), {}},
        {"palette4", 3, 4, Palette(16), QByteArray("\x00\x40\x80\xC0\xFF\x10", 6)},
        {"palette8", 3, 8, Palette(256), {}},
        {"palette8-short", 3, 8, Palette(40), QByteArray("\x20\x00", 2), 200},
        {"grey-alpha8", 4, 8, {}, {}},
        {"grey-alpha16", 4, 16, {}, {}},
        {"rgba8", 6, 8, {}, {}},
        {"rgba16", 6, 16, {}, {}},
        {"rgb8-exif", 2, 8, {}, {}, 0, turned},
    };
    std::vector<PictureFile> files;
    for (const Kind& kind : kinds) {
        for (const bool interlaced : {false, true}) {
            const PngLayout layout{size,         kind.type,         kind.depth, interlaced,
                                   kind.palette, kind.transparency, kind.exif};
            const int depth = kind.paletteSamples > 0 ? 8 : kind.depth;
            const int limit = kind.paletteSamples > 0 ? kind.paletteSamples : 1 << depth;
            files.push_back({std::string(kind.name) + (interlaced ? "-interlaced" : "") + ".png",
                             EncodePng(layout, [depth, limit](int x, int y, int channel) {
                                 return Sample(x, y, channel, depth) % limit;
                             })});
        }
    }
    return files;
}

// GIF frames as Qt lays them on their screen: offset, transparent, over the
// screen's edge, interlaced, on a screen much larger than themselves.
std::vector<PictureFile> GifFiles(QSize size)
{
    QList<QRgb> colours;
    for (int i = 0; i < 9; ++i) {
        colours.append(qRgb(i * 27, 250 - i * 20, (i * 77) % 256));
    }
    const QImage frame =
        PatternPicture(QImage::Format_Indexed8, size.width(), size.height(), colours);
    const QSize around = size + QSize(13, 17);
    const struct
    {
        const char* name;
        GifLayout layout;
    } layouts[] = {
        // screen, frame's offset, transparent index, background index, interlaced
        {"whole", {size, {0, 0}, -1, 0, false}},
        {"offset", {around, {5, 7}, -1, 3, false}},
        {"offset-transparent", {around, {5, 7}, 2, 3, false}},
        {"over-the-edge", {size, {9, 4}, -1, 1, false}},
        {"interlaced", {size, {0, 0}, -1, 0, true}},
        {"interlaced-transparent", {around, {3, 2}, 4, 0, true}},
        {"wide-screen", {QSize(1000, size.height()), {0, 0}, -1, 5, false}},
    };
    std::vector<PictureFile> files;
    for (const auto& [name, layout] : layouts) {
        files.push_back({std::string(name) + ".gif", EncodeGif(frame, layout)});
    }
    return files;
}

// The writer's turn for an EXIF orientation value, 1 to 8.
QImageIOHandler::Transformations ExifTurn(int orientation)
{
    const QImageIOHandler::Transformations turns[] = {
        QImageIOHandler::TransformationNone,
        QImageIOHandler::TransformationMirror,
        QImageIOHandler::TransformationRotate180,
        QImageIOHandler::TransformationFlip,
        QImageIOHandler::TransformationFlipAndRotate90,
        QImageIOHandler::TransformationRotate90,
        QImageIOHandler::TransformationMirrorAndRotate90,
        QImageIOHandler::TransformationRotate270,
    };
    return turns[orientation - 1];
}

QByteArray EncodeTiff(const QImage& picture, int orientation, int compression)
{
    return EncodePicture(picture, "tiff", [=](QImageWriter& writer) {
        writer.setTransformation(ExifTurn(orientation));
        writer.setCompression(compression);
    });
}

// TIFF in every orientation, grey, palette and one-bit, with and without
// alpha, compressed or not.
std::vector<PictureFile> TiffFiles(QSize size)
{
    QImage rgb(size, QImage::Format_RGB32);
    QImage argb(size, QImage::Format_ARGB32);
    QImage grey16(size, QImage::Format_Grayscale16);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            rgb.setPixel(x, y, qRgb(Sample(x, y, 0, 8), Sample(x, y, 1, 8), Sample(x, y, 2, 8)));
            argb.setPixel(x, y,
                          qRgba(Sample(x, y, 0, 8), Sample(x, y, 2, 8), 90, Sample(x, y, 3, 8)));
            reinterpret_cast<quint16*>(grey16.scanLine(y))[x] = quint16(Sample(x, y, 0, 16));
        }
    }
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i) {
        colours.append(qRgb(i, 255 - i, i * 7 % 256));
    }
    const QImage palette =
        PatternPicture(QImage::Format_Indexed8, size.width(), size.height(), colours);
    std::vector<PictureFile> files;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        files.push_back(
            {"rgb-" + std::to_string(orientation) + ".tif", EncodeTiff(rgb, orientation, 0)});
    }
    const struct
    {
        const char* name;
        QImage picture;
    } kinds[] = {
        {"argb", argb},
        {"grey8", rgb.convertToFormat(QImage::Format_Grayscale8)},
        {"grey16", grey16},
        {"palette", palette},
        {"mono", rgb.convertToFormat(QImage::Format_Mono)},
    };
    for (const auto& [name, picture] : kinds) {
        for (const int compression : {0, 1}) {
            files.push_back({std::string(name) + (compression ? "-lzw" : "") + ".tif",
                             EncodeTiff(picture, compression ? 6 : 1, compression)});
        }
    }
    return files;
}

// Lossy and lossless WebP, with and without alpha.
std::vector<PictureFile> WebpFiles(QSize size)
{
    QImage argb(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            argb.setPixel(x, y,
                          qRgba(Sample(x, y, 0, 8), Sample(x, y, 2, 8), 90, Sample(x, y, 3, 8)));
        }
    }
    const QImage rgb = argb.convertToFormat(QImage::Format_RGB32);
    std::vector<PictureFile> files;
    for (const int quality : {75, 100}) {
        for (const QImage& picture : {rgb, argb}) {
            files.push_back({std::string(picture.hasAlphaChannel() ? "argb" : "rgb") + "-" +
                                 std::to_string(quality) + ".webp",
                             EncodePicture(picture, "webp", [quality](QImageWriter& writer) {
                                 writer.setQuality(quality);
                             })});
        }
    }
    return files;
}

// Uncompressed BMP of every depth, bottom-up and top-down, with each kind of
// header, masks of every width and an alpha channel.
std::vector<PictureFile> BmpFiles(QSize size)
{
    const struct
    {
        const char* name;
        BmpLayout layout;
    } kinds[] = {
        // size, bits, header, top-down, compression, masks, palette entries
        {"palette1", {size, 1, 40, false, 0, {}, 2}},
        {"palette1-one-colour", {size, 1, 40, false, 0, {}, 1}},
        {"palette4", {size, 4, 40, false, 0, {}, 12}},
        {"palette8", {size, 8, 40, true, 0, {}, 200}},
        {"palette8-oldest-header", {size, 8, 12, false, 0, {}, 256}},
        {"rgb555", {size, 16, 40, false, 0, {}, 0}},
        {"rgb565", {size, 16, 40, false, 3, {0xF800, 0x07E0, 0x001F, 0}, 0}},
        {"rgb24", {size, 24, 40, false, 0, {}, 0}},
        {"rgb24-top-down", {size, 24, 40, true, 0, {}, 0}},
        {"xrgb32", {size, 32, 40, false, 0, {}, 0}},
        {"argb32-v4", {size, 32, 108, false, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0}},
        {"argb4444-v4", {size, 16, 108, true, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}, 0}},
        {"rle8", {size, 8, 40, false, 1, {}, 180}},
        {"rle8-top-down", {size, 8, 40, true, 1, {}, 256}},
        {"rle4", {size, 4, 40, false, 2, {}, 16}},
    };
    std::vector<PictureFile> files;
    for (const auto& [name, layout] : kinds) {
        const quint32 levels = layout.bits >= 32 ? 0xFFFFFFFFu : (1u << layout.bits) - 1;
        // Every other piece of five pixels repeats one value, for runs.
        files.push_back({std::string(name) + ".bmp", EncodeBmp(layout, [levels](int x, int y) {
                             const quint32 piece = quint32(x / 5 + 3 * y);
                             return (x / 5 % 2 == 0 ? piece * 7919u
                                                    : x * 2654435761u + y * 40503u + x * y) &
                                    levels;
                         })});
    }
    return files;
}

// Qt's reader's whole picture, turned, in the drawing format.
QImage ReadByQt(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage whole = reader.read();
    if (!whole.isNull()) {
        whole.convertTo(whole.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    return whole;
}

// `picture` drawn on transparency, so that the alpha channel counts too.
QImage Drawn(const QSize& size, const std::function<void(QPainter&)>& draw)
{
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    draw(painter);
    return target;
}

void ExpectSamePart(const std::string& path, const QImage& whole, const QRect& part)
{
    SCOPED_TRACE(testing::Message() << "part " << part.x() << "," << part.y() << " " << part.width()
                                    << "x" << part.height());
    CPictureImage image;
    ASSERT_EQ(image.Open(path), CPictureImage::kSuccess);
    EXPECT_EQ(image.Width(), whole.width());
    EXPECT_EQ(image.Height(), whole.height());
    ASSERT_EQ(image.Decode(part), CPictureImage::kSuccess);
    EXPECT_EQ(image.HasAlpha(), whole.hasAlphaChannel());
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            ASSERT_EQ(image.PixelAt(x, y), ColorRefOf(whole.pixel(x, y))) << x << "," << y;
        }
    }
    const QImage drawn =
        Drawn(part.size(), [&](QPainter& painter) { image.BlitTo(painter, -part.x(), -part.y()); });
    const QImage expected = Drawn(
        part.size(), [&](QPainter& painter) { painter.drawImage(QPoint(0, 0), whole, part); });
    EXPECT_EQ(drawn, expected);
}

using PictureImagePart = PictureFileTest;

TEST_F(PictureImagePart, EveryPartHoldsQtsPixels)
{
    const QSize size(37, 23);
    std::vector<PictureFile> files = PngFiles(size);
    for (std::vector<PictureFile> more :
         {GifFiles(size), TiffFiles(size), WebpFiles(size), BmpFiles(size)}) {
        std::move(more.begin(), more.end(), std::back_inserter(files));
    }
    for (const PictureFile& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = Write(file.name, file.bytes);
        const QImage whole = ReadByQt(path);
        ASSERT_FALSE(whole.isNull());
        const QRect parts[] = {
            QRect(0, 0, 20, 11),
            QRect(9, 7, 20, 11),
            QRect(whole.width() - 5, whole.height() - 4, 5, 4),
            QRect(QPoint(0, 0), whole.size()),
        };
        for (const QRect& part : parts) {
            ExpectSamePart(path, whole, part & whole.rect());
        }
    }
}

// A picture far beyond any screen: its top-left part decodes without the
// memory of the whole, which the allocation limit refuses.
TEST_F(PictureImagePart, TheTopLeftOfAHugePictureCostsItsPartOnly)
{
    const QRgb orange = qRgb(250, 140, 20);
    const std::string path = Write("huge.png", SolidPalettePng(QSize(20000, 20000), orange));
    CPictureImage whole;
    EXPECT_EQ(whole.LoadFile(path), CPictureImage::kFailure);

    const PeakMemoryProbe memory;
    CPictureImage image;
    ASSERT_EQ(image.Open(path), CPictureImage::kSuccess);
    EXPECT_EQ(image.Width(), 20000);
    EXPECT_EQ(image.Height(), 20000);
    ASSERT_EQ(image.Decode(QRect(0, 0, 1920, 1080)), CPictureImage::kSuccess);
    EXPECT_EQ(image.PixelAt(0, 0), ColorRefOf(orange));
    EXPECT_EQ(image.PixelAt(1919, 1079), ColorRefOf(orange));
    EXPECT_EQ(image.PixelAt(1920, 1079), 0u) << "decoded beyond the part";
    EXPECT_EQ(image.HeldBytes(), qint64(1920) * 1080 * 4);
    EXPECT_LT(memory.GrowthBytes(), 64 << 20);
}

// Damage that a whole decode would find is found in a part too.
TEST_F(PictureImagePart, DamagedFilesFailForAPartAsForTheWhole)
{
    const QByteArray png =
        EncodePng({QSize(64, 48), 2, 8, false, {}, {}},
                  [](int x, int y, int channel) { return Sample(x, y, channel, 8); });
    const QByteArray gif = GifFiles(QSize(64, 48)).front().bytes;
    const QByteArray bmp = BmpFiles(QSize(64, 48))[3].bytes; // 8 bits, 200 colours
    const PictureFile damaged[] = {
        {"cut-in-its-data.png", png.left(png.size() / 2)},
        {"cut-before-its-end.png", png.chopped(12)},
        {"header-only.png", PngHeaderOnly(64, 48)},
        {"no-frame.gif", gif.left(13 + 256 * 3)},
        {"cut-in-its-colours.gif", gif.left(100)},
        {"cut-in-its-colours.bmp", bmp.left(14 + 40 + 100)},
        {"cut-after-its-colours.bmp", bmp.left(14 + 40 + 200 * 4)},
        {"two-planes.bmp", bmp.left(26) + char(2) + bmp.mid(27)},
    };
    for (const PictureFile& file : damaged) {
        SCOPED_TRACE(file.name);
        const std::string path = Write(file.name, file.bytes);
        EXPECT_TRUE(ReadByQt(path).isNull()) << "Qt's reader reads it";
        CPictureImage image;
        if (image.Open(path) == CPictureImage::kSuccess) {
            EXPECT_EQ(image.Decode(QRect(0, 0, 20, 11)), CPictureImage::kFailure);
        }
        EXPECT_TRUE(image.IsEmpty());
    }
}

} // namespace
