// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureImage.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

namespace {

const QList<QRgb> kColors{qRgb(255, 0, 0),    qRgb(0, 128, 0),  qRgb(0, 0, 255),
                          qRgb(250, 240, 10), qRgb(30, 30, 30), qRgb(255, 255, 255)};

class PictureImageLoad : public PictureFileTest
{
protected:
    CPictureImage m_image;
};

void ExpectPixels(const CPictureImage& image, const QImage& expected)
{
    ASSERT_EQ(image.Width(), expected.width());
    ASSERT_EQ(image.Height(), expected.height());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            ASSERT_EQ(image.PixelAt(x, y), ColorRefOf(expected.pixel(x, y))) << x << "," << y;
        }
    }
}

// Two 0x00BBGGRR colours, each channel within `tolerance`.
bool ChannelsNear(std::uint32_t colorRef, std::uint32_t want, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const int got = int((colorRef >> shift) & 0xFF);
        if (std::abs(got - int((want >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

// Lossy pictures: each colour channel within `tolerance`.
bool IsNear(std::uint32_t colorRef, QRgb expected, int tolerance = 12)
{
    return ChannelsNear(colorRef, ColorRefOf(expected), tolerance);
}

TEST_F(PictureImageLoad, ReadsEveryFormatPixelForPixel)
{
    const QImage mono = PatternPicture(QImage::Format_Mono, 13, 5, kColors.mid(0, 2));
    const QImage fourBit = PatternPicture(QImage::Format_Indexed8, 7, 5, kColors.mid(0, 4));
    const QImage eightBit = PatternPicture(QImage::Format_Indexed8, 9, 6, kColors);
    const QImage rgb = eightBit.convertToFormat(QImage::Format_RGB32);
    const struct
    {
        std::string name;
        QByteArray bytes;
        QImage expected;
    } cases[] = {
        {"mono.bmp", EncodePicture(mono, "bmp"), mono},
        {"four.bmp", EncodePicture(fourBit, "bmp"), fourBit},
        {"eight.bmp", EncodePicture(eightBit, "bmp"), eightBit},
        {"true.bmp", EncodePicture(rgb, "bmp"), rgb},
        {"true.dib", EncodePicture(rgb, "bmp"), rgb},
        {"palette.gif", EncodeGif(eightBit), eightBit},
        {"true.png", EncodePicture(rgb, "png"), rgb},
        {"true.tif", EncodePicture(rgb, "tiff"), rgb},
        {"png-inside.jpg", EncodePicture(rgb, "png"), rgb},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(m_image.LoadFile(Write(c.name, c.bytes)), CPictureImage::kSuccess);
        EXPECT_FALSE(m_image.IsEmpty());
        EXPECT_FALSE(m_image.HasAlpha());
        ExpectPixels(m_image, c.expected);
        m_image.Release();
    }
}

TEST_F(PictureImageLoad, ReportsRedInTheLowByteAndKeepsAlpha)
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(2, 0, qRgba(0, 0, 255, 128));
    ASSERT_EQ(m_image.LoadFile(Write("alpha.png", EncodePicture(picture, "png"))), 0);
    EXPECT_TRUE(m_image.HasAlpha());
    EXPECT_EQ(m_image.PixelAt(0, 0), 0x000000FFu);
    EXPECT_EQ(m_image.PixelAt(1, 0), 0x0000FF00u);
    EXPECT_EQ(m_image.PixelAt(2, 0), 0x00FF0000u);
    EXPECT_EQ(m_image.PixelAt(3, 0), 0u);
    EXPECT_EQ(m_image.PixelAt(-1, 0), 0u);
}

TEST_F(PictureImageLoad, FailsOnUnreadableFilesAndStaysEmpty)
{
    const QByteArray png = EncodePicture(BlockPicture(64, 64, 8), "png");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.png"));
    const std::string pipe = m_dir.path().toStdString() + "/pipe.png";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0); // opening it must not wait for a writer
    const std::string paths[] = {
        pipe,
        Write("text.JPG", "This is not a picture at all.\n"),
        Write("truncated.png", png.left(png.size() / 2)),
        Write("empty.bmp", {}),
        Write("huge.png", PngHeaderOnly(100000, 100000)),
        m_dir.path().toStdString() + "/missing.png",
        m_dir.path().toStdString() + "/folder.png",
    };
    const std::string good = Write("good.png", png);
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ASSERT_EQ(m_image.LoadFile(good), CPictureImage::kSuccess);
        EXPECT_EQ(m_image.LoadFile(path), CPictureImage::kFailure);
        EXPECT_TRUE(m_image.IsEmpty());
        EXPECT_EQ(m_image.Width(), 0);
        EXPECT_EQ(m_image.Height(), 0);
        EXPECT_EQ(m_image.PixelAt(0, 0), 0u);
    }
    // Open reads no more than the header, whatever follows. A PNG of any
    // size opens, since a part of it can be decoded; its whole is refused.
    EXPECT_EQ(m_image.Open(Write("big.png", PngHeaderOnly(4000, 4000))), 0);
    EXPECT_EQ(m_image.Width(), 4000);
    EXPECT_EQ(m_image.Open(Write("huge2.png", PngHeaderOnly(20000, 20000))), 0);
    EXPECT_EQ(m_image.Width(), 20000);
    EXPECT_EQ(m_image.Decode(), CPictureImage::kFailure);
    EXPECT_EQ(m_image.Width(), 0);
    EXPECT_EQ(m_image.Decode(), CPictureImage::kFailure);
}

TEST_F(PictureImageLoad, OpensNamesThatAreNotUtf8)
{
    const QImage rgb = BlockPicture(6, 4, 2);
    const std::string path = Write("bild\xFF\xFE.png", EncodePicture(rgb, "png"));
    EXPECT_EQ(m_image.LoadFile(path), 0);
    ExpectPixels(m_image, rgb);
    std::remove(path.c_str()); // a name QTemporaryDir cannot spell
}

TEST_F(PictureImageLoad, AppliesExifOrientationBeforeReportingTheSize)
{
    // Stored 80 x 40, left half red and right half blue; orientation 6 turns
    // it a quarter clockwise, so red ends on top of a 40 x 80 picture.
    QImage stored(80, 40, QImage::Format_RGB32);
    stored.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            stored.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    const std::string path =
        Write("turned.jpg", WithExifOrientation(EncodePicture(stored, "jpeg"), 6));
    ASSERT_EQ(m_image.Open(path), CPictureImage::kSuccess);
    EXPECT_TRUE(m_image.IsEmpty());
    EXPECT_EQ(m_image.Width(), 40);
    EXPECT_EQ(m_image.Height(), 80);
    ASSERT_EQ(m_image.Decode(), CPictureImage::kSuccess);
    EXPECT_TRUE(IsNear(m_image.PixelAt(20, 10), qRgb(255, 0, 0)));
    EXPECT_TRUE(IsNear(m_image.PixelAt(20, 70), qRgb(0, 0, 255)));
}

TEST_F(PictureImageLoad, DecodesOnlyTheVisiblePartOfATurnedPictureInEveryOrientation)
{
    const QImage stored = BlockPicture(96, 64, 8);
    const QRect visible(13, 21, 30, 19);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const std::string path =
            Write("turned" + std::to_string(orientation) + ".jpg",
                  WithExifOrientation(EncodePicture(stored, "jpeg"), orientation));
        CPictureImage whole;
        ASSERT_EQ(whole.LoadFile(path), CPictureImage::kSuccess);
        ASSERT_EQ(m_image.Open(path), CPictureImage::kSuccess);
        ASSERT_EQ(m_image.Decode(visible), CPictureImage::kSuccess);
        EXPECT_EQ(m_image.Width(), whole.Width());
        EXPECT_EQ(m_image.Height(), whole.Height());
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            for (int x = visible.left(); x <= visible.right(); ++x) {
                ASSERT_TRUE(ChannelsNear(m_image.PixelAt(x, y), whole.PixelAt(x, y), 2))
                    << x << "," << y;
            }
        }
        EXPECT_EQ(m_image.PixelAt(visible.right() + 2, visible.bottom() + 2), 0u)
            << "decoded outside the visible part";
    }
}

// Open reads the size only. Decode keeps only the visible part, whether the reader clips to it
// (JPEG) or decodes the whole first (PPM), and takes no other part until opened again.
TEST_F(PictureImageLoad, DecodeKeepsOnlyTheVisiblePartWhetherTheReaderClipsOrNot)
{
    EXPECT_EQ(m_image.Decode(), CPictureImage::kFailure); // nothing opened
    const QImage picture = BlockPicture(1600, 1200, 100);
    const QRect visible(700, 500, 300, 200);
    const struct
    {
        const char* format;
        int tolerance;
        std::vector<QPoint> samples; // within the visible part
    } formats[] = {
        {"jpeg", 12, {{750, 550}, {950, 650}, {850, 550}}}, // lossy: the squares' middles
        {"ppm", 0, {{700, 500}, {999, 699}, {850, 550}}},   // exact up to the part's edges
    };
    for (const auto& [format, tolerance, samples] : formats) {
        SCOPED_TRACE(format);
        const std::string path =
            Write(std::string("big.") + format, EncodePicture(picture, format));
        ASSERT_EQ(m_image.Open(path), CPictureImage::kSuccess);
        EXPECT_TRUE(m_image.IsEmpty());
        EXPECT_EQ(m_image.PixelAt(750, 550), 0u);
        ASSERT_EQ(m_image.Decode(visible), CPictureImage::kSuccess);
        EXPECT_FALSE(m_image.IsEmpty());
        EXPECT_EQ(m_image.Width(), 1600);
        EXPECT_EQ(m_image.Height(), 1200);
        EXPECT_EQ(m_image.PixelAt(50, 50), 0u) << "held outside the visible part";
        EXPECT_EQ(m_image.Decode(visible), CPictureImage::kSuccess);
        EXPECT_EQ(m_image.Decode(QRect(0, 0, 10, 10)), CPictureImage::kFailure);

        // Drawn where the visible part's corner lands on the target's (0, 0).
        QImage target(visible.size(), QImage::Format_RGB32);
        target.fill(Qt::black);
        QPainter painter(&target);
        m_image.BlitTo(painter, -visible.x(), -visible.y());
        painter.end();
        for (const QPoint at : samples) {
            SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
            EXPECT_TRUE(IsNear(m_image.PixelAt(at.x(), at.y()), picture.pixel(at), tolerance));
            EXPECT_TRUE(IsNear(ColorRefOf(target.pixel(at - visible.topLeft())), picture.pixel(at),
                               tolerance));
        }
    }
}

TEST_F(PictureImageLoad, HeldBytesCountTheDecodedPartAndTheTransparencyCopy)
{
    EXPECT_EQ(m_image.HeldBytes(), 0);
    ASSERT_EQ(m_image.Open(Write("held.png", EncodePicture(BlockPicture(30, 20, 5), "png"))), 0);
    EXPECT_EQ(m_image.HeldBytes(), 0) << "nothing decoded yet";
    ASSERT_EQ(m_image.Decode(QRect(0, 0, 10, 20)), CPictureImage::kSuccess);
    const qint64 part = 10 * 20 * 4;
    EXPECT_EQ(m_image.HeldBytes(), part);
    m_image.PrepareTransparent(m_image.PixelAt(0, 0));
    EXPECT_EQ(m_image.HeldBytes(), 2 * part);
}

} // namespace
