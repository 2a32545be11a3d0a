// SPDX-License-Identifier: GPL-3.0-or-later
// Built into play_tests at display scale 1 and into play_hidpi_test at scale 2, on screens of
// the same logical size: both must show what the generator says in logical pixels.
#include "PlayStage.h"

#include "platform/files/Paths.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

constexpr QSize kLogicalScreen(800, 800);

class PlayScaleTest : public PlayStage
{
protected:
    void Start(std::uint32_t seed)
    {
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), kLogicalScreen);
        StartSession();
        ASSERT_TRUE(Session().IsPlaying());
        ASSERT_EQ(Ratio(), QGuiApplication::primaryScreen()->devicePixelRatio());
        Window().Random().Seed(seed);
        m_expected.Seed(seed);
    }

    void Press()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier);
        QApplication::sendEvent(&Window(), &press);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Window().HasWaitingInput(); }, 30000));
    }

    qreal Ratio() { return Window().BackBuffer().devicePixelRatio(); }

    // The device pixel at a logical position, and at a logical corner's inside.
    QColor At(QPointF logical)
    {
        return Window().BackBuffer().pixelColor(int(std::floor(logical.x() * Ratio())),
                                                int(std::floor(logical.y() * Ratio())));
    }

    PlayRandom m_expected;
};

TEST_F(PlayScaleTest, ASeededPlayShowsTheSamePicturesPlacesAndColoursAtEveryScale)
{
    const std::map<std::string, std::pair<QSize, QColor>> pictures = {
        {"a.png", {{100, 80}, Qt::red}},
        {"b.png", {{220, 60}, Qt::green}},
        {"c.png", {{30, 200}, Qt::blue}},
    };
    const std::string group = m_library.AddGroup("Pictures");
    for (const auto& [name, picture] : pictures) {
        const auto& [size, colour] = picture;
        PlayLibrary::SavePicture(group, name,
                                 PlayLibrary::Filled(size.width(), size.height(), colour));
        PlayLibrary::WriteBytes(JoinPath(group, name.substr(0, 1) + ".wav"), "RIFF");
    }
    m_settings.clearBackground = 1;
    m_settings.randomColor = 1;
    Start(4321);
    const QSize device = Window().BackBuffer().size();
    EXPECT_EQ(device, (QSizeF(kLogicalScreen) * Ratio()).toSize());

    for (int key = 0; key < 8; ++key) {
        const PlayColors colours = m_expected.RandomColors();
        const int index = m_expected.RandomIndex(static_cast<int>(pictures.size()));
        const std::string path = Window().Deck().entries[index].picturePath;
        const auto& [size, colour] = pictures.at(path.substr(path.rfind('/') + 1));
        const int x = m_expected.RandomIndex(kLogicalScreen.width() - size.width());
        const int y = m_expected.RandomIndex(kLogicalScreen.height() - size.height());
        const QRectF placed(QPointF(x, y), size);
        Press();
        EXPECT_EQ(Window().Colors().back, colours.back);
        EXPECT_EQ(At(placed.topLeft()), colour) << key;
        EXPECT_EQ(At(placed.bottomRight() - QPointF(0.01, 0.01)), colour) << key;
        if (placed.right() < kLogicalScreen.width()) {
            EXPECT_NE(At(QPointF(placed.right(), placed.center().y())), colour) << key;
        }
        if (placed.bottom() < kLogicalScreen.height()) {
            EXPECT_NE(At(QPointF(placed.center().x(), placed.bottom())), colour) << key;
        }
    }
}

// A picture with fewer pixels than the device area it covers is scaled smoothly, and the hint
// takes the same logical height at every scale.
TEST_F(PlayScaleTest, PicturesAndTheHintAreDrawnAtTheDevicesResolution)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    const std::string group = m_library.AddGroup("Pictures");
    PlayLibrary::SavePicture(group, "a.png", picture);
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    m_settings.clearBackground = 1;
    m_settings.randomColor = 0;
    Start(99);
    m_expected.RandomIndex(1);
    const int x = m_expected.RandomIndex(kLogicalScreen.width() - 2);
    const QPoint placed(x, m_expected.RandomIndex(kLogicalScreen.height() - 1));
    Press();

    const int across = int(2 * Ratio());
    bool between = false;
    for (int x = 0; x < across; ++x) {
        const QColor pixel = Window().BackBuffer().pixelColor(int(placed.x() * Ratio()) + x,
                                                              int(placed.y() * Ratio()));
        between = between || (pixel.red() > 0 && pixel.red() < 255);
    }
    EXPECT_EQ(At(placed), QColor(0, 0, 0));
    EXPECT_EQ(At(placed + QPointF(1.99, 0.99)), QColor(255, 255, 255));
    EXPECT_EQ(between, Ratio() > 1) << "smooth where the device has more pixels than the picture";

    // The hint's lowest row, in logical pixels, lies within its 16-pixel font's line.
    QFont font = QGuiApplication::font();
    font.setPixelSize(16);
    const int lineHeight = QFontMetrics(font).height();
    const QImage& buffer = Window().BackBuffer();
    int lowest = -1;
    for (int y = 0; y < buffer.height() / 4; ++y)
        for (int x = 0; x < buffer.width() / 2; ++x)
            if (buffer.pixel(x, y) == qRgb(255, 200, 200))
                lowest = y;
    EXPECT_GT(lowest / Ratio(), lineHeight / 2);
    EXPECT_LE(lowest / Ratio(), lineHeight);
}

} // namespace
