// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureImage.h"
#include "tests/support/TestPictures.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackground = qRgb(0, 200, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

class PictureImageDraw : public PictureFileTest
{
protected:
    // Loads `picture` through a PNG file into `image`.
    void Load(CPictureImage& image, const QImage& picture)
    {
        ASSERT_EQ(image.LoadFile(Write("picture.png", EncodePicture(picture, "png"))),
                  CPictureImage::kSuccess);
    }

    static QImage Target(int width, int height)
    {
        QImage target(width, height, QImage::Format_RGB32);
        target.fill(kBackground);
        return target;
    }
    // A target of the background's colour after `draw` painted on it.
    static QImage Drawn(int width, int height, const std::function<void(QPainter&)>& draw)
    {
        QImage target = Target(width, height);
        QPainter painter(&target);
        draw(painter);
        painter.end();
        return target;
    }

    CPictureImage m_image;
};

// Every picture pixel not of the key colour must be on the target at its
// place, every key pixel must show the background.
void ExpectKeyedAt(const QImage& target, const QImage& picture, QPoint at)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint onTarget = at + QPoint(x, y);
            if (!target.valid(onTarget)) {
                continue;
            }
            const QRgb want = picture.pixel(x, y) == kWhite ? kBackground : picture.pixel(x, y);
            ASSERT_EQ(target.pixel(onTarget), want) << x << "," << y;
        }
    }
}

TEST_F(PictureImageDraw, BlitToBlendsByAlphaWithoutBlackBoxes)
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgba(0, 0, 255, 128));
    picture.setPixel(2, 0, qRgba(0, 0, 0, 0));
    Load(m_image, picture);
    const QImage target = Drawn(5, 3, [&](QPainter& painter) { m_image.BlitTo(painter, 1, 1); });
    EXPECT_EQ(target.pixel(1, 1), qRgb(255, 0, 0));
    const QRgb half = target.pixel(2, 1);
    EXPECT_NEAR(qGreen(half), 100, 2);
    EXPECT_NEAR(qBlue(half), 128, 2);
    EXPECT_EQ(target.pixel(3, 1), kBackground);
    EXPECT_EQ(target.pixel(0, 0), kBackground);
}

TEST_F(PictureImageDraw, BlitTransparentDrawsEveryRowAndColumnButTheKeyColour)
{
    // White on the corners, on part of the last row and column, and inside.
    const QList<QRgb> colors{kWhite, qRgb(200, 0, 0), qRgb(0, 0, 200), kWhite, qRgb(10, 20, 30)};
    const QImage small =
        PatternPicture(QImage::Format_Indexed8, 7, 5, colors).convertToFormat(QImage::Format_RGB32);
    const QImage large = PatternPicture(QImage::Format_Indexed8, 40, 30, colors)
                             .convertToFormat(QImage::Format_RGB32);
    CPictureImage largeImage;
    Load(m_image, small);
    Load(largeImage, large);
    const std::uint32_t key = m_image.PixelAt(0, 0);
    ASSERT_EQ(key, 0x00FFFFFFu);

    const struct
    {
        const CPictureImage& image;
        const QImage& picture;
        QPoint at;
        QPoint shift;
    } draws[] = {
        {m_image, small, {2, 3}, {}},
        {m_image, small, {-3, -2}, {}},    // cut by the top and left edges
        {largeImage, large, {15, 12}, {}}, // cut by the right and bottom edges
        {m_image, small, {20, 20}, {}},    // again after the larger one
        {m_image, small, {1, 1}, {4, 4}},  // through a moved painter
        {largeImage, large, {-50, 0}, {}}, // wholly off the target
    };
    for (const auto& draw : draws) {
        SCOPED_TRACE(draw.at.x());
        const QImage target = Drawn(30, 25, [&](QPainter& painter) {
            painter.translate(draw.shift);
            draw.image.BlitTransparentTo(painter, draw.at.x(), draw.at.y(), key);
        });
        ExpectKeyedAt(target, draw.picture, draw.at + draw.shift);
    }
}

TEST_F(PictureImageDraw, BlitTransparentComparesAlphaPixelsByTheirColour)
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 255, 255, 128)); // key colour, half covering
    picture.setPixel(1, 0, qRgba(0, 0, 255, 128));
    picture.setPixel(2, 0, qRgb(255, 255, 255));
    Load(m_image, picture);
    const QImage target = Drawn(
        3, 1, [&](QPainter& painter) { m_image.BlitTransparentTo(painter, 0, 0, 0x00FFFFFF); });
    EXPECT_EQ(target.pixel(0, 0), kBackground);
    EXPECT_NEAR(qBlue(target.pixel(1, 0)), 128, 2);
    EXPECT_EQ(target.pixel(2, 0), kBackground);
}

// The transparency the play's worker works out ahead draws exactly as the
// one worked out while drawing, wherever the picture lands; a draw with
// another key works it out anew.
TEST_F(PictureImageDraw, TransparencyWorkedOutAheadDrawsTheSame)
{
    const QList<QRgb> colors{kWhite, qRgba(200, 0, 0, 90), qRgb(0, 0, 200),
                             qRgba(255, 255, 255, 40)};
    const QImage picture = PatternPicture(QImage::Format_Indexed8, 23, 17, colors)
                               .convertToFormat(QImage::Format_ARGB32);
    CPictureImage prepared;
    Load(m_image, picture);
    Load(prepared, picture);
    const std::uint32_t key = m_image.PixelAt(0, 0);
    prepared.PrepareTransparent(key);
    const auto draw = [](const CPictureImage& image, QPoint at, std::uint32_t withKey) {
        return Drawn(30, 25, [&](QPainter& painter) {
            image.BlitTransparentTo(painter, at.x(), at.y(), withKey);
        });
    };
    for (const QPoint at : {QPoint(2, 3), QPoint(-5, -4), QPoint(15, 12), QPoint(-40, 0)}) {
        SCOPED_TRACE(at.x());
        const QImage keyedWhileDrawing = draw(m_image, at, key);
        EXPECT_EQ(draw(prepared, at, key), keyedWhileDrawing);
        if (at.x() >= 0) {
            EXPECT_NE(keyedWhileDrawing, Target(30, 25)) << "nothing was drawn";
        }
    }
    const std::uint32_t otherKey = 0x00C80000; // the blue of the pattern
    EXPECT_EQ(draw(prepared, {1, 1}, otherKey), draw(m_image, {1, 1}, otherKey));
    EXPECT_EQ(draw(prepared, {1, 1}, key), draw(m_image, {1, 1}, key));
}

TEST_F(PictureImageDraw, ATransparentCornerKeysItsOwnColourNotBlack)
{
    QImage picture(20, 20, QImage::Format_ARGB32);
    picture.fill(qRgba(255, 255, 255, 0)); // transparent white background
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    Load(m_image, picture);
    EXPECT_EQ(m_image.PixelAt(0, 0), 0x00FFFFFFu);

    const QImage target = Drawn(30, 30, [&](QPainter& painter) {
        m_image.BlitTransparentTo(painter, 5, 5, m_image.PixelAt(0, 0));
    });
    EXPECT_EQ(target.pixel(15, 15), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(6, 6), kBackground);
}

TEST_F(PictureImageDraw, StretchToFillsTheDestinationFromTheSource)
{
    QImage picture(2, 2, QImage::Format_RGB32);
    const QRgb colors[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9)};
    for (int i = 0; i < 4; ++i) {
        picture.setPixel(i % 2, i / 2, colors[i]);
    }
    Load(m_image, picture);
    const QImage target = Drawn(6, 6, [&](QPainter& painter) {
        m_image.StretchTo(painter, QRect(0, 0, 4, 4), QRect(0, 0, 2, 2));
        m_image.StretchTo(painter, QRect(4, 4, 2, 2), QRect(1, 1, 1, 1));
    });
    for (int i = 0; i < 4; ++i) {
        const int x = i % 2 * 2;
        const int y = i / 2 * 2;
        EXPECT_EQ(target.pixel(x, y), colors[i]);
        EXPECT_EQ(target.pixel(x + 1, y + 1), colors[i]);
    }
    EXPECT_EQ(target.pixel(5, 5), colors[3]);
    EXPECT_EQ(target.pixel(4, 0), kBackground);
}

} // namespace
