// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayStage.h"

#include "platform/ColorRef.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// Runs on two screens: the primary 800x600 and a second one of 640x480.
namespace {

class CoveredPlayTest : public PlayStage
{
protected:
    CoveredPlayTest()
    {
        PlayLibrary::SavePicture(m_library.AddGroup("Pictures"), "a.png",
                                 PlayLibrary::Filled(10, 10, Qt::red));
    }

    void Start()
    {
        StartSession();
        ASSERT_TRUE(Session().IsPlaying());
    }

    CoverWindow& OnlyCover() { return *Window().Covers().Covers().at(0); }
};

} // namespace

TEST_F(CoveredPlayTest, TheOtherScreenIsCoveredInTheBackgroundAndPicturesStayOnThePrimary)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    QScreen* side = QGuiApplication::screens().at(1);
    Start();
    ASSERT_EQ(Window().Covers().Covers().size(), 1u);
    const CoverWindow& cover = OnlyCover();
    EXPECT_EQ(cover.CoveredScreen(), side);
    EXPECT_TRUE(cover.isVisible());
    EXPECT_EQ(cover.geometry(), side->geometry());
    EXPECT_EQ(cover.Color(), ColorFromRef(Window().Colors().back));
    EXPECT_EQ(m_desktop.Grab().Covers(), std::vector<QWindow*>{cover.windowHandle()});
    EXPECT_EQ(Window().BackBuffer().size(), QSize(800, 600));

    TypeQuitWord(Window());
    EXPECT_TRUE(Window().Covers().Covers().empty());
    EXPECT_TRUE(m_desktop.Grab().Covers().empty());
}

TEST_F(CoveredPlayTest, CoversFollowTheRandomColoursOfEveryClearing)
{
    m_settings.randomColor = 1;
    m_settings.clearBackground = 1;
    Start();
    for (int press = 0; press < 3; ++press) {
        const std::uint32_t before = Window().Colors().back;
        QTest::keyClick(&Window(), Qt::Key_X);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Window().HasWaitingInput(); }, 10000));
        ASSERT_NE(Window().Colors().back, before);
        EXPECT_EQ(OnlyCover().Color(), ColorFromRef(Window().Colors().back));
    }
}

TEST_F(CoveredPlayTest, AKeyOnTheCoverMovesTheQuitWordOfThePlay)
{
    Start();
    CoverWindow& cover = OnlyCover();
    for (const auto key : {Qt::Key_K, Qt::Key_O, Qt::Key_L})
        QTest::keyClick(&cover, key);
    EXPECT_EQ(Window().QuitState(), 3);
    QTest::keyClick(&cover, Qt::Key_Escape); // swallowed on a cover too
    EXPECT_EQ(Window().QuitState(), 3);
}
