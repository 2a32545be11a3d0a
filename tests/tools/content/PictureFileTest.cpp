// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/PictureFile.h"
#include "tests/support/TempLibrary.h"
#include "tools/content/GifWriter.h"
#include "tools/content/Palette.h"

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

QImage ReadByContent(const std::string& path, QByteArray* format = nullptr)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    if (format != nullptr) {
        *format = reader.format();
    }
    return reader.read();
}

// Indexed pixels from a repeatable generator: noise defeats LZW's table, so
// it fills up and must be cleared many times.
QImage NoiseImage(int width, int height, int colors)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colors; ++i) {
        table.append(qRgb(i, (i * 7) % 256, 255 - i));
    }
    image.setColorTable(table);
    std::uint32_t state = 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            image.setPixel(x, y, (state >> 16) % static_cast<std::uint32_t>(colors));
        }
    }
    return image;
}

QImage Filled(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

void ExpectSamePixels(const QImage& expected, const QImage& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            ASSERT_EQ(expected.pixel(x, y), actual.pixel(x, y)) << "at " << x << "," << y;
        }
    }
}

// A flat drawing with smooth edges, like the library's pictures: far more
// than 256 colours, most of them rare.
QImage SmoothDrawing()
{
    QImage image(240, 180, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 20, 20), 3.0));
    painter.setBrush(QColor(230, 60, 50));
    painter.drawEllipse(QRectF(20.5, 15.5, 120.0, 140.0));
    painter.setBrush(QColor(30, 140, 230));
    painter.drawEllipse(QRectF(110.3, 40.7, 110.0, 110.0));
    QLinearGradient fade(0, 0, 240, 0);
    fade.setColorAt(0, Qt::yellow);
    fade.setColorAt(1, Qt::darkGreen);
    painter.fillRect(0, 165, 240, 15, fade);
    return image;
}

TEST(GifWriterTest, RoundTripsPicturesOfFewAndManyCodes)
{
    const TempLibrary dir;
    struct Case
    {
        const char* name;
        QImage image;
    };
    QImage twoColors = Filled(7, 5, qRgb(255, 255, 255)); // odd sizes, smallest table
    twoColors.setPixel(3, 2, qRgb(200, 10, 10));
    twoColors.setPixel(6, 4, qRgb(200, 10, 10));
    const Case cases[] = {
        {"two", twoColors},
        {"single", Filled(1, 1, qRgb(10, 20, 30))},
        {"few", NoiseImage(97, 31, 5)},
        {"full", NoiseImage(300, 200, 256)},
        {"flat", Filled(640, 480, qRgb(250, 250, 250))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage& source = c.image;
        const std::string path = dir.PathOf(std::string(c.name) + ".gif");
        ASSERT_TRUE(WriteGif(source, path));
        QByteArray format;
        const QImage back = ReadByContent(path, &format);
        EXPECT_EQ(format, "gif");
        ExpectSamePixels(source.convertToFormat(QImage::Format_RGB32),
                         back.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(GifWriterTest, RefusesWhatItCannotWrite)
{
    const TempLibrary dir;
    EXPECT_FALSE(WriteGif(QImage(), dir.PathOf("null.gif")));
    EXPECT_FALSE(WriteGif(NoiseImage(4, 4, 2), dir.PathOf("missing-folder/x.gif")));
    EXPECT_TRUE(dir.ListingOrder().empty());
}

TEST(PaletteTest, KeepsFewColoursExactly)
{
    const QImage source = NoiseImage(50, 40, 200).convertToFormat(QImage::Format_RGB32);
    const QImage reduced = ReduceToPalette(source);
    EXPECT_EQ(reduced.format(), QImage::Format_Indexed8);
    ExpectSamePixels(source, reduced.convertToFormat(QImage::Format_RGB32));
}

TEST(PaletteTest, ManyColoursKeepTheMainOnesAndStayClose)
{
    const QImage source = SmoothDrawing();
    std::set<QRgb> colors;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            colors.insert(source.pixel(x, y));
        }
    }
    ASSERT_GT(colors.size(), 256u) << "the drawing no longer needs reducing";
    const QImage reduced = ReduceToPalette(source);
    ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
    ASSERT_LE(reduced.colorCount(), 256);
    const QImage back = reduced.convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(80, 85), QPoint(180, 95)}) {
        EXPECT_EQ(back.pixel(at), source.pixel(at)) << "a main colour changed";
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QColor a = source.pixelColor(x, y);
            const QColor b = back.pixelColor(x, y);
            ASSERT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()),
                      48)
                << "at " << x << "," << y;
        }
    }
}

TEST(PictureFileTest, ExtensionPicksTheFormat)
{
    const TempLibrary dir;
    const QImage picture = SmoothDrawing();
    const struct
    {
        const char* name;
        const char* format;
    } cases[] = {{"a.png", "png"},
                 {"b.BMP", "bmp"},
                 {"c.jpg", "jpeg"},
                 {"d.Gif", "gif"},
                 {"e.png.bmp", "bmp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.PathOf(c.name);
        ASSERT_TRUE(SavePicture(picture, path));
        QByteArray format;
        EXPECT_EQ(ReadByContent(path, &format).size(), picture.size());
        EXPECT_EQ(format, c.format);
    }
    for (const char* name : {"f.tif", "noextension", "g."}) {
        EXPECT_FALSE(SavePicture(picture, dir.PathOf(name))) << name;
    }
}

} // namespace
