// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayStage.h"

#include "platform/ColorRef.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>
#include <vector>

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

    // The covers on the screens, as the desktop sees them.
    static std::vector<CoverWindow*> ShownCovers()
    {
        std::vector<CoverWindow*> covers;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* cover = qobject_cast<CoverWindow*>(window); cover && cover->isVisible())
                covers.push_back(cover);
        }
        return covers;
    }

    CoverWindow& OnlyCover() { return *ShownCovers().at(0); }
};

} // namespace

TEST_F(CoveredPlayTest, TheOtherScreenIsCoveredInTheBackgroundAndPicturesStayOnThePrimary)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    QScreen* side = QGuiApplication::screens().at(1);
    Start();
    ASSERT_EQ(ShownCovers().size(), 1u);
    const CoverWindow& cover = OnlyCover();
    EXPECT_EQ(cover.CoveredScreen(), side);
    EXPECT_TRUE(cover.isVisible());
    EXPECT_EQ(cover.geometry(), side->geometry());
    EXPECT_EQ(cover.Color(), ColorFromRef(Window().Canvas().Colors().back));
    EXPECT_EQ(m_desktop.Grab().Covers(), std::vector<QWindow*>{cover.windowHandle()});
    EXPECT_EQ(Window().Canvas().Frame().size(), QSize(800, 600));

    TypeQuitWord(Window());
    EXPECT_TRUE(ShownCovers().empty());
    EXPECT_TRUE(m_desktop.Grab().Covers().empty());
}

TEST_F(CoveredPlayTest, CoversFollowTheRandomColoursOfEveryClearing)
{
    m_settings.randomColor = 1;
    m_settings.clearBackground = 1;
    Start();
    for (int press = 0; press < 3; ++press) {
        const std::uint32_t before = Window().Canvas().Colors().back;
        QTest::keyClick(&Window(), Qt::Key_X);
        ASSERT_TRUE(InputsAnswered());
        ASSERT_NE(Window().Canvas().Colors().back, before);
        EXPECT_EQ(OnlyCover().Color(), ColorFromRef(Window().Canvas().Colors().back));
    }
}

TEST_F(CoveredPlayTest, AKeyOnTheCoverMovesTheQuitWordOfThePlay)
{
    Start();
    CoverWindow& cover = OnlyCover();
    for (const auto key : {Qt::Key_K, Qt::Key_O, Qt::Key_L})
        QTest::keyClick(&cover, key);
    QTest::keyClick(&cover, Qt::Key_Escape); // swallowed on a cover too
    for (const auto key : {Qt::Key_O, Qt::Key_4, Qt::Key_8, Qt::Key_6})
        QTest::keyClick(&Window(), key);
    EXPECT_FALSE(Session().IsPlaying());
}
