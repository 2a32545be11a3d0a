// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlayCanvas.h"

#include "PlayLibrary.h"

#include "tests/support/ScopedEnv.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPointingDevice>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr PlayColors kColors{.back = 0x00FF0000, .text = 0x00C8C8FF}; // blue, rosy
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRosy = 0xFFFFC8C8;

class PlayCanvasTest : public ::testing::Test
{
protected:
    PlayCanvasTest() { m_canvas.SetColors(kColors); }

    void Prepare() { m_canvas.Prepare(*QGuiApplication::primaryScreen()); }

    PicturePick Placed(const QImage& picture, QPoint at)
    {
        return PlayLibrary::Placed(m_dir.path().toStdString(), picture, at);
    }

    QRgb Pixel(int x, int y) const { return m_canvas.Frame().pixel(x, y); }

    // Pixels of the hint's colour in the middle of the hint's line `line`
    // (0: the quit word's).
    int HintLinePixels(int line) const
    {
        QFont font = QGuiApplication::font();
        font.setPixelSize(16);
        const int height = QFontMetrics(font).height();
        int count = 0;
        for (int y = line * height + height / 4; y < line * height + height * 3 / 4; ++y)
            for (int x = 0; x < 300; ++x)
                count += Pixel(x, y) == kRosy;
        return count;
    }

    QTemporaryDir m_dir;
    QWidget m_surface;
    PlayCanvas m_canvas{m_surface};
};

} // namespace

// The first frame is the background with the hint. GNOME's touch gestures
// stay active with a touchscreen: a line says so; a lost lock adds a line
// under the others.
TEST_F(PlayCanvasTest, TheFirstFrameHasTheHintWithALineForEachNote)
{
    struct Case
    {
        const char* desktop;
        bool touchScreen;
        bool lockLost;
        int lines; // of the hint, the quit word's included
    };
    for (const Case& c : {Case{"GNOME", true, false, 2},
                          {"ubuntu:GNOME", true, true, 3},
                          {"GNOME", false, false, 1},
                          {"KDE", true, false, 1},
                          {"KDE", false, true, 2},
                          {"KDE", false, false, 1}}) {
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", QByteArray(c.desktop));
        std::unique_ptr<QPointingDevice> touchScreen;
        if (c.touchScreen)
            touchScreen.reset(QTest::createTouchDevice());
        m_canvas.ShowLockLost(c.lockLost);
        Prepare();
        EXPECT_EQ(Pixel(300, 300), kBlue);
        for (int line = 0; line < 4; ++line)
            EXPECT_EQ(HintLinePixels(line) > 20, line < c.lines) << c.desktop << " line " << line;
    }
}

// Opaque, larger than the screen, cut to display (the top-left colour left
// out, every column and row kept), translucent (blended, not boxed in black).
TEST_F(PlayCanvasTest, PicturesAreDrawnWhereTheyArePlaced)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QImage cut = PlayLibrary::Filled(60, 40, Qt::white);
    QPainter(&cut).fillRect(0, 39, 60, 1, Qt::green); // last row
    QPainter(&cut).fillRect(59, 0, 1, 39, Qt::green); // last column
    cut.setPixelColor(30, 20, Qt::black);
    struct Case
    {
        QImage picture;
        bool cutToDisplay;
        QPoint at;
        std::vector<std::pair<QPoint, QRgb>> pixels; // from `at`
    };
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
    const Case cases[] = {
        {PlayLibrary::Filled(100, 80, Qt::red),
         false,
         {200, 150},
         {{{0, 0}, red}, {{99, 79}, red}, {{-1, 40}, kBlue}}},
        {PlayLibrary::Filled(screen.width() + 50, screen.height() + 40, Qt::green),
         false,
         {},
         {{{0, 30}, green}, {{screen.width() - 1, screen.height() - 1}, green}}},
        {cut,
         true,
         {300, 200},
         {{{5, 5}, kBlue}, {{30, 20}, qRgb(0, 0, 0)}, {{59, 10}, green}, {{10, 39}, green}}},
        {PlayLibrary::Filled(50, 50, QColor(255, 0, 0, 128)),
         false,
         {400, 300},
         {{{25, 25}, qRgb(128, 0, 127)}}},
    };
    Prepare();
    for (const Case& c : cases) {
        EXPECT_TRUE(m_canvas.Draw(Placed(c.picture, c.at), c.cutToDisplay, true));
        for (const auto& [offset, want] : c.pixels) {
            const QRgb drawn = Pixel(c.at.x() + offset.x(), c.at.y() + offset.y());
            EXPECT_LE(std::abs(qRed(drawn) - qRed(want)) + std::abs(qGreen(drawn) - qGreen(want)) +
                          std::abs(qBlue(drawn) - qBlue(want)),
                      3)
                << c.at.x() << " +" << offset.x() << "," << offset.y();
        }
    }
}

// Without clearing pictures pile up under a fresh hint; a clearing takes the
// pick's colours, even for a picture that cannot be shown.
TEST_F(PlayCanvasTest, PicturesPileUpUntilTheNextClearing)
{
    Prepare();
    const QImage red = PlayLibrary::Filled(200, 40, Qt::red);
    EXPECT_TRUE(m_canvas.Draw(Placed(red, {0, 0}), false, false));
    EXPECT_TRUE(m_canvas.Draw(Placed(red, {300, 300}), false, false));
    EXPECT_EQ(Pixel(100, 35), qRgb(255, 0, 0)) << "below the hint";
    EXPECT_GT(HintLinePixels(0), 20) << "written over the picture";
    EXPECT_EQ(Pixel(310, 310), qRgb(255, 0, 0));

    const PlayColors green{.back = 0x0000FF00, .text = 0x00FF00FF};
    PicturePick nothing;
    nothing.colors = green;
    EXPECT_FALSE(m_canvas.Draw(nothing, false, true));
    EXPECT_EQ(m_canvas.Colors(), green);
    EXPECT_EQ(Pixel(310, 310), qRgb(0, 255, 0));
    EXPECT_EQ(Pixel(100, 35), qRgb(0, 255, 0));
}
