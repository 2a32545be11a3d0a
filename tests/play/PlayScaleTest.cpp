// SPDX-License-Identifier: GPL-3.0-or-later
// Built into play_tests at display scale 1 and into play_hidpi_test at scale 2, on screens of
// the same logical size: both must show what the generator says in logical pixels.
#include "PlayLibrary.h"

#include "play/PictureSupply.h"
#include "play/PlayCanvas.h"

#include "platform/ColorRef.h"
#include "platform/files/Paths.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr QSize kLogicalScreen(800, 800);

class PlayScaleTest : public ::testing::Test
{
protected:
    PlayScaleTest()
    {
        m_canvas.SetColors({.back = 0x00FF0000, .text = 0x00C8C8FF});
        m_canvas.Prepare(*QGuiApplication::primaryScreen());
    }

    qreal Ratio() const { return m_canvas.Frame().devicePixelRatio(); }

    // The device pixel at a logical position.
    QColor At(QPointF logical) const
    {
        return m_canvas.Frame().pixelColor(int(std::floor(logical.x() * Ratio())),
                                           int(std::floor(logical.y() * Ratio())));
    }

    std::string Dir() const { return m_dir.path().toStdString(); }

    QTemporaryDir m_dir;
    QWidget m_surface;
    PlayCanvas m_canvas{m_surface};
};

// The back buffer has the screen's device pixels and its logical size. In a
// seeded play each picture covers its place in logical pixels, in the colours
// its clearing drew, at every scale.
TEST_F(PlayScaleTest, ASeededPlayShowsEachPictureInItsPlaceAtEveryScale)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), kLogicalScreen);
    EXPECT_EQ(Ratio(), QGuiApplication::primaryScreen()->devicePixelRatio());
    EXPECT_EQ(m_canvas.Frame().size(), (QSizeF(kLogicalScreen) * Ratio()).toSize());
    EXPECT_EQ(m_canvas.ScreenSize(), kLogicalScreen);
    const std::vector<std::pair<QSize, QColor>> pictures = {
        {{100, 80}, Qt::red}, {{220, 60}, Qt::green}, {{30, 200}, Qt::blue}};
    PlayDeck deck;
    for (const auto& [size, colour] : pictures) {
        const std::string name = std::to_string(deck.entries.size()) + ".png";
        PlayLibrary::SavePicture(Dir(), name,
                                 PlayLibrary::Filled(size.width(), size.height(), colour));
        deck.entries.push_back({.picturePath = JoinPath(Dir(), name), .ownSoundPath = {}});
    }
    PictureSupply supply;
    supply.Begin(deck, 4321);
    supply.Prefetch(m_canvas.ScreenSize(), true);
    for (int key = 0; key < 8; ++key) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return supply.TakeNext([&](const PicturePick& pick) {
                    const auto& [size, colour] = pictures.at(pick.index);
                    const QRectF placed(QPointF(pick.x, pick.y), size);
                    ASSERT_TRUE(m_canvas.Draw(pick, false, true));
                    ASSERT_TRUE(pick.colors);
                    EXPECT_EQ(m_canvas.Colors(), *pick.colors);
                    const QPointF far(placed.x() > 400 ? 50 : 750, placed.y() > 400 ? 100 : 750);
                    EXPECT_EQ(At(far), ColorFromRef(pick.colors->back)) << key;
                    EXPECT_TRUE(QRectF(QPointF(), kLogicalScreen).contains(placed)) << key;
                    EXPECT_EQ(At(placed.topLeft()), colour) << key;
                    EXPECT_EQ(At(placed.bottomRight() - QPointF(0.01, 0.01)), colour) << key;
                    if (placed.right() < kLogicalScreen.width()) {
                        EXPECT_NE(At(QPointF(placed.right(), placed.center().y())), colour) << key;
                    }
                    if (placed.bottom() < kLogicalScreen.height()) {
                        EXPECT_NE(At(QPointF(placed.center().x(), placed.bottom())), colour) << key;
                    }
                });
            },
            30000));
    }
}

// A picture with fewer pixels than the device area it covers is scaled smoothly, and the hint
// takes the same logical height at every scale.
TEST_F(PlayScaleTest, PicturesAndTheHintAreDrawnAtTheDevicesResolution)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    const QPoint placed(301, 407);
    ASSERT_TRUE(m_canvas.Draw(PlayLibrary::Placed(Dir(), picture, placed), false, true));

    const int across = int(2 * Ratio());
    bool between = false;
    for (int x = 0; x < across; ++x) {
        const QColor pixel =
            m_canvas.Frame().pixelColor(int(placed.x() * Ratio()) + x, int(placed.y() * Ratio()));
        between = between || (pixel.red() > 0 && pixel.red() < 255);
    }
    EXPECT_EQ(At(placed), QColor(0, 0, 0));
    EXPECT_EQ(At(placed + QPointF(1.99, 0.99)), QColor(255, 255, 255));
    EXPECT_EQ(between, Ratio() > 1) << "smooth where the device has more pixels than the picture";

    // The hint's lowest row, in logical pixels, lies within its 16-pixel font's line.
    QFont font = QGuiApplication::font();
    font.setPixelSize(16);
    const int lineHeight = QFontMetrics(font).height();
    const QImage& buffer = m_canvas.Frame();
    int lowest = -1;
    for (int y = 0; y < buffer.height() / 4; ++y)
        for (int x = 0; x < buffer.width() / 2; ++x)
            if (buffer.pixel(x, y) == qRgb(255, 200, 200))
                lowest = y;
    EXPECT_GT(lowest / Ratio(), lineHeight / 2);
    EXPECT_LE(lowest / Ratio(), lineHeight);
}

} // namespace
