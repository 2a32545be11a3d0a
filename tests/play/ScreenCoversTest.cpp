#include "PlayLibrary.h"

#include "library/Settings.h"
#include "platform/ColorRef.h"
#include "platform/MessageBox.h"
#include "platform/sound/Sound.h"
#include "play/MyGameWnd.h"
#include "tests/support/FakeDesktopGrab.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// Runs on two screens: the primary 800x600 and a second one of 640x480.
namespace {

class CoveredPlayTest : public ::testing::Test
{
protected:
    CoveredPlayTest()
    {
        settings.Load();
        settings.keyDelayOn = 0;
        PlayLibrary::SavePicture(library.AddGroup("Pictures"), "a.png",
                                 PlayLibrary::Filled(10, 10, Qt::red));
        window = std::make_unique<CMyGameWnd>(settings);
    }

    void Start()
    {
        ASSERT_TRUE(window->StartPlay());
        window->EnterFullScreen();
        window->PrepareBackground();
        settings.playing = true;
    }

    CoverWindow& OnlyCover() const { return *window->Covers().Covers().at(0); }

    PlayLibrary library;
    Settings settings;
    SoundRecorder sounds;
    ScriptedMessages messages;
    FakeDesktop desktop;
    std::unique_ptr<CMyGameWnd> window;
};

} // namespace

TEST_F(CoveredPlayTest, TheOtherScreenIsCoveredInTheBackgroundAndPicturesStayOnThePrimary)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    QScreen* side = QGuiApplication::screens().at(1);
    Start();
    ASSERT_EQ(window->Covers().Covers().size(), 1u);
    const CoverWindow& cover = OnlyCover();
    EXPECT_EQ(cover.CoveredScreen(), side);
    EXPECT_TRUE(cover.isVisible());
    EXPECT_EQ(cover.geometry(), side->geometry());
    EXPECT_EQ(cover.Color(), ColorFromRef(window->Colors().back));
    EXPECT_EQ(desktop.Grab().Covers(), std::vector<QWindow*>{cover.windowHandle()});
    EXPECT_EQ(window->BackBuffer().size(), QSize(800, 600));

    window->EndPlay();
    EXPECT_TRUE(window->Covers().Covers().empty());
    EXPECT_TRUE(desktop.Grab().Covers().empty());
}

TEST_F(CoveredPlayTest, CoversFollowTheRandomColoursOfEveryClearing)
{
    settings.randomColor = 1;
    settings.clearBackground = 1;
    settings.Save();
    Start();
    for (int press = 0; press < 3; ++press) {
        const std::uint32_t before = window->Colors().back;
        QTest::keyClick(window.get(), Qt::Key_X);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->HasWaitingInput(); }, 10000));
        ASSERT_NE(window->Colors().back, before);
        EXPECT_EQ(OnlyCover().Color(), ColorFromRef(window->Colors().back));
    }
}

TEST_F(CoveredPlayTest, AKeyOnTheCoverMovesTheQuitWordOfThePlay)
{
    Start();
    CoverWindow& cover = OnlyCover();
    for (const auto key : {Qt::Key_K, Qt::Key_O, Qt::Key_L})
        QTest::keyClick(&cover, key);
    EXPECT_EQ(window->QuitState(), 3);
    QTest::keyClick(&cover, Qt::Key_Escape); // swallowed on a cover too
    EXPECT_EQ(window->QuitState(), 3);
}
