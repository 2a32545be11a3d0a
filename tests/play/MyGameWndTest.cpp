// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayStage.h"

#include "platform/files/Paths.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/SolidPng.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <span>

using namespace std::chrono_literals;

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
// The quit word but its last key.
constexpr std::span kQuitWordUntilLast = std::span(kQuitWordKeys).first<kQuitWordKeys.size() - 1>();

class PlayWindowTest : public PlayStage
{
protected:
    std::string Group(const std::vector<std::string>& cutNames = {})
    {
        return m_library.AddGroup("Pictures", 1, cutNames);
    }

    // Pixels of the hint's colour in the middle of the hint's line `line`
    // (0: the quit word's).
    int HintLinePixels(int line)
    {
        QFont font = QGuiApplication::font();
        font.setPixelSize(16);
        const int height = QFontMetrics(font).height();
        int count = 0;
        for (int y = line * height + height / 4; y < line * height + height * 3 / 4; ++y)
            for (int x = 0; x < 300; ++x)
                count += Pixel(x, y) == qRgb(255, 200, 200);
        return count;
    }
    int NotLockedLinePixels() { return HintLinePixels(1); }

    // Starts a play shown over the screen, then seeds the generator so the
    // test knows every choice.
    void Start(std::uint32_t seed = 1)
    {
        StartSession();
        ASSERT_TRUE(Session().IsPlaying());
        Window().Random().Seed(seed);
        m_expected.Seed(seed);
    }

    // Where the next picture of size w x h lands, drawing as the play does.
    QPoint NextPlacement(int w, int h)
    {
        const QImage& buffer = Window().BackBuffer();
        m_expected.RandomIndex(static_cast<int>(Window().Deck().entries.size()));
        const int x = m_expected.RandomIndex(buffer.width() - w);
        const int y = m_expected.RandomIndex(buffer.height() - h);
        return {x, y};
    }

    // One key press as the desktop delivers it, and its answer. The presses
    // of modifier keys are inputs of their own, so they are sent only where a
    // test asks.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        PressOnly(key, modifiers);
        WaitForAnswers();
    }

    void PressOnly(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&Window(), &press);
    }

    void Click(QWidget& target, Qt::MouseButton button)
    {
        QTest::mouseClick(&target, button);
        WaitForAnswers();
    }

    // Until the worker has made every accepted input's picture ready and the
    // window has drawn it.
    void WaitForAnswers()
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Window().HasWaitingInput(); }, 30000));
    }

    QRgb Pixel(int x, int y) { return Window().BackBuffer().pixel(x, y); }

    PlayRandom m_expected;
};

} // namespace

TEST_F(PlayWindowTest, TheTitleIsTheProgramFileNameWithoutItsExtension)
{
    const std::pair<const char*, const char*> titles[] = {
        {"/opt/games/babyplay", "babyplay"},
        {"/usr/lib/tapnest/tapnest.bin", "tapnest"},
        {"/home/kid/play.v2/kid.game.exe", "kid.game"},
    };
    for (const auto& [program, title] : titles) {
        const ScriptedProgramFile renamed(program);
        const CMyGameWnd window(m_settings);
        EXPECT_EQ(window.windowTitle().toStdString(), title);
    }
}

TEST_F(PlayWindowTest, StartWithoutPicturesWarnsAndLocksNothing)
{
    Group(); // a shown group without pictures
    StartSession();
    EXPECT_FALSE(Session().IsPlaying());
    ASSERT_EQ(m_messages.Shown().size(), 1u);
    const MessageRequest& warning = m_messages.Shown()[0];
    EXPECT_EQ(warning.text, "Please select one picture group to display.");
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.owner, nullptr);
    EXPECT_FALSE(Window().Lock().IsEngaged());
    EXPECT_TRUE(m_sounds.Played().empty());
    EXPECT_TRUE(Window().Deck().entries.empty());
}

TEST_F(PlayWindowTest, StartGreetsAndPaintsTheBackgroundWithTheHint)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    EXPECT_EQ(m_sounds.Played(), std::vector<std::string>{JoinPath(m_library.Dir(), "Hello.wav")});
    EXPECT_TRUE(Window().Lock().IsEngaged());
    const QImage& buffer = Window().BackBuffer();
    EXPECT_EQ(buffer.size(), Window().screen()->geometry().size());
    EXPECT_EQ(Window().geometry(), Window().screen()->geometry());
    EXPECT_EQ(buffer.pixel(buffer.width() / 2, buffer.height() / 2), kBlue);
    int hintPixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 200; ++x)
            hintPixels += buffer.pixel(x, y) == qRgb(255, 200, 200);
    EXPECT_GT(hintPixels, 20);
    EXPECT_EQ(buffer.pixel(300, 100), kBlue);
}

TEST_F(PlayWindowTest, PicturesLandWhereTheGeneratorSaysWithTheirOwnSound)
{
    const std::string group = Group();
    PlayLibrary::SavePicture(group, "a.png", PlayLibrary::Filled(100, 80, Qt::red));
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    Start(1234);
    m_sounds.Clear();

    for (int i = 0; i < 3; ++i) {
        const QPoint at = NextPlacement(100, 80);
        Press(Qt::Key_X);
        EXPECT_EQ(Pixel(at.x(), at.y()), qRgb(255, 0, 0));
        EXPECT_EQ(Pixel(at.x() + 99, at.y() + 79), qRgb(255, 0, 0));
        if (at.x() > 0) {
            EXPECT_EQ(Pixel(at.x() - 1, at.y() + 40), kBlue); // cleared before each picture
        }
    }
    EXPECT_EQ(m_sounds.Played().size(), 3u);
    EXPECT_EQ(Window().CurrentSound(), JoinPath(group, "a.wav"));
}

TEST_F(PlayWindowTest, PicturesLargerThanTheScreenAreCroppedAtTheTopLeft)
{
    const QSize screen = Window().screen()->geometry().size();
    PlayLibrary::SavePicture(
        Group(), "big.png",
        PlayLibrary::Filled(screen.width() + 50, screen.height() + 40, Qt::green));
    Start();
    Click(Window(), Qt::LeftButton);
    EXPECT_EQ(Pixel(0, 30), qRgb(0, 255, 0));
    EXPECT_EQ(Pixel(screen.width() - 1, screen.height() - 1), qRgb(0, 255, 0));
}

TEST_F(PlayWindowTest, CutPicturesLoseTheirTopLeftColourButKeepEveryColumnAndRow)
{
    QImage picture = PlayLibrary::Filled(60, 40, Qt::white);
    for (int y = 0; y < 40; ++y)
        picture.setPixelColor(59, y, Qt::green); // last column
    for (int x = 0; x < 59; ++x)
        picture.setPixelColor(x, 39, Qt::green); // last row
    picture.setPixelColor(30, 20, Qt::black);
    PlayLibrary::SavePicture(Group({"cut.png"}), "cut.png", picture);
    Start(99);

    const QPoint at = NextPlacement(60, 40);
    Press(Qt::Key_X);
    EXPECT_EQ(Pixel(at.x() + 5, at.y() + 5), kBlue);
    EXPECT_EQ(Pixel(at.x() + 30, at.y() + 20), qRgb(0, 0, 0));
    EXPECT_EQ(Pixel(at.x() + 59, at.y() + 10), qRgb(0, 255, 0));
    EXPECT_EQ(Pixel(at.x() + 10, at.y() + 39), qRgb(0, 255, 0));
}

TEST_F(PlayWindowTest, TranslucentPicturesAreBlendedNotBoxedInBlack)
{
    PlayLibrary::SavePicture(Group(), "glass.png",
                             PlayLibrary::Filled(50, 50, QColor(255, 0, 0, 128)));
    Start(5);
    const QPoint at = NextPlacement(50, 50);
    Press(Qt::Key_X);
    const QColor blended = QColor::fromRgb(Pixel(at.x() + 25, at.y() + 25));
    EXPECT_NEAR(blended.red(), 128, 3);
    EXPECT_NEAR(blended.blue(), 127, 3);
}

TEST_F(PlayWindowTest, PicturesWithoutOwnSoundPlayARandomDefaultSound)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    const std::string voices = JoinPath(m_library.Dir(), "DefVoice");
    QDir().mkpath(QString::fromStdString(voices));
    for (const char* name : {"1.wav", "2.wav", "3.wav"})
        PlayLibrary::WriteBytes(JoinPath(voices, name), "RIFF");
    Start(77);
    m_sounds.Clear();

    for (int i = 0; i < 5; ++i) {
        NextPlacement(10, 10);
        const std::string expected = Window().Deck().defaultSounds[m_expected.RandomIndex(3)];
        Press(Qt::Key_X);
        ASSERT_EQ(m_sounds.Played().back(), expected);
    }
    EXPECT_EQ(Window().CurrentSound(), m_sounds.Played().back());
}

TEST_F(PlayWindowTest, WithoutAnySoundThePictureIsSilentAndTheLastSoundStays)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    m_sounds.Clear();
    Press(Qt::Key_X);
    EXPECT_TRUE(m_sounds.Played().empty());
    EXPECT_TRUE(Window().CurrentSound().empty());
    Press(Qt::Key_A); // nothing to replay: A shows a picture instead
    EXPECT_TRUE(m_sounds.Played().empty());
}

TEST_F(PlayWindowTest, AReplaysTheLastSoundWithoutChangingThePicture)
{
    const std::string group = Group();
    PlayLibrary::SavePicture(group, "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    Start();
    Press(Qt::Key_X);
    const QImage before = Window().BackBuffer().copy();
    m_sounds.Clear();
    Press(Qt::Key_A);
    Press(Qt::Key_A, Qt::ShiftModifier); // Shift held from before
    EXPECT_EQ(m_sounds.Played(), std::vector<std::string>(2, JoinPath(group, "a.wav")));
    EXPECT_EQ(Window().BackBuffer(), before);
}

TEST_F(PlayWindowTest, TheKeyDelayRefusesQuickInputsButTheQuitWordStillMoves)
{
    const std::string group = Group();
    PlayLibrary::SavePicture(group, "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    m_settings.keyDelayOn = 1;
    m_settings.keyDelayMs = 300;
    Start();
    m_sounds.Clear();

    m_clock.Set(299ms);
    Press(Qt::Key_K);
    EXPECT_TRUE(m_sounds.Played().empty());
    EXPECT_EQ(Window().QuitState(), 1);
    m_clock.Set(300ms);
    Press(Qt::Key_O);
    EXPECT_EQ(m_sounds.Played().size(), 1u);
    m_clock.Set(500ms); // 200 ms after the accepted one
    Click(Window(), Qt::RightButton);
    EXPECT_EQ(m_sounds.Played().size(), 1u);
    EXPECT_EQ(Window().QuitState(), 2);
    m_clock.Set(600ms);
    Click(Window(), Qt::MiddleButton);
    EXPECT_EQ(m_sounds.Played().size(), 2u);
}

TEST_F(PlayWindowTest, AFailedLoadShowsNothingButRestartsTheDelay)
{
    PlayLibrary::WriteBytes(JoinPath(Group(), "broken.png"), "not a picture at all");
    m_settings.keyDelayOn = 1;
    m_settings.keyDelayMs = 300;
    Start();
    const QImage before = Window().BackBuffer().copy();
    m_sounds.Clear();
    m_clock.Set(1000ms);
    Press(Qt::Key_X);
    EXPECT_TRUE(m_sounds.Played().empty());
    EXPECT_EQ(Window().BackBuffer(), before);
    EXPECT_LT(Window().ElapsedSeconds(), 0.001);
}

TEST_F(PlayWindowTest, SwallowedAndSystemKeysNeverReachThePlay)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    Press(Qt::Key_K);
    Press(Qt::Key_O);
    Press(Qt::Key_L);
    const QImage before = Window().BackBuffer().copy();
    for (const auto key : {Qt::Key_Tab, Qt::Key_Escape, Qt::Key_F1, Qt::Key_F4, Qt::Key_F12,
                           Qt::Key_F10, Qt::Key_Super_L, Qt::Key_Super_R})
        Press(key);
    Press(Qt::Key_Space, Qt::ControlModifier);
    Press(Qt::Key_Tab, Qt::AltModifier);
    Press(Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(Window().QuitState(), 3);
    EXPECT_EQ(Window().BackBuffer(), before);
    EXPECT_TRUE(Window().isVisible());

    Press(Qt::Key_Space); // Space alone is an ordinary key
    EXPECT_EQ(Window().QuitState(), 0);
}

TEST_F(PlayWindowTest, TheQuitWordEndsThePlayWithTheFarewell)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    QSignalSpy ended(&Session(), &PlaySession::ended);
    for (const auto key : kQuitWordUntilLast) {
        Press(key);
        Click(Window(), Qt::LeftButton); // clicks do not break the word
    }
    EXPECT_TRUE(Window().isVisible());
    m_sounds.Clear();
    Press(Qt::Key_6);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(m_settings.playing);
    EXPECT_FALSE(Window().Lock().IsEngaged());
    EXPECT_TRUE(Window().BackBuffer().isNull());
    EXPECT_EQ(m_sounds.Played(),
              std::vector<std::string>{JoinPath(m_library.Dir(), "GoodBye.wav")});
}

TEST_F(PlayWindowTest, ShiftOrCtrlHeldWhileTypingKeepsThePlayGoing)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
        for (const auto key : kQuitWordKeys)
            Press(key, modifier);
        EXPECT_TRUE(Window().isVisible());
    }
}

TEST_F(PlayWindowTest, APictureThatFailsToDecodeLeavesTheGeneratorAsANameThatFailsToOpen)
{
    // A PNG whose header is whole but whose data is cut off opens, then
    // fails to decode.
    PlayLibrary::WriteBytes(JoinPath(Group(), "cut.png"),
                            SolidPng(QSize(300, 300), Qt::red).substr(0, 80));
    Start(21);
    Press(Qt::Key_X);
    m_expected.RandomIndex(1); // only the deck index was drawn
    EXPECT_EQ(Window().Random().Draw(), m_expected.Draw());
}

TEST_F(PlayWindowTest, KeypadSixDoesNotEndThePlay)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    for (const auto key : kQuitWordUntilLast)
        Press(key);
    Press(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Window().QuitState(), 0);
}

TEST_F(PlayWindowTest, WithoutClearingPicturesPileUpUnderAFreshHint)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(40, 40, Qt::red));
    m_settings.clearBackground = 0;
    Start(3);
    std::vector<QPoint> placed;
    for (int i = 0; i < 4; ++i) {
        placed.push_back(NextPlacement(40, 40));
        Press(Qt::Key_X);
    }
    for (const QPoint& at : placed) {
        if (at.y() > 20) { // the hint is written over the top rows each time
            EXPECT_EQ(Pixel(at.x() + 20, at.y() + 20), qRgb(255, 0, 0));
        }
    }
}

TEST_F(PlayWindowTest, RandomColoursChangeAtEveryClearing)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    m_settings.randomColor = 1;
    Start(11);
    const PlayColors expected = m_expected.RandomColors();
    const QPoint at = NextPlacement(10, 10);
    Press(Qt::Key_X);
    EXPECT_EQ(Window().Colors().back, expected.back);
    EXPECT_EQ(Window().Colors().text, expected.text);
    const QPoint far(at.x() > 400 ? 100 : 700, at.y() > 300 ? 100 : 500);
    EXPECT_EQ(Pixel(far.x(), far.y()) & 0xFFFFFF,
              qRgb(expected.back & 0xFF, (expected.back >> 8) & 0xFF, expected.back >> 16) &
                  0xFFFFFF);
}

TEST_F(PlayWindowTest, ALostLockIsToldUnderTheHintUntilItIsRegained)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    EXPECT_EQ(NotLockedLinePixels(), 0); // a lock that holds adds nothing

    m_desktop.Grab().SetHolds(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return NotLockedLinePixels() > 20; }, 4000));
    Press(Qt::Key_X); // each frame keeps telling it
    EXPECT_GT(NotLockedLinePixels(), 20);

    m_desktop.Grab().SetHolds(true);
    EXPECT_EQ(NotLockedLinePixels(), 0);
    EXPECT_EQ(Pixel(150, 30), kBlue);
}

TEST_F(PlayWindowTest, OnGnomeWithATouchScreenTheHintTellsThatTouchGesturesAreNotLocked)
{
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
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
                          {"KDE", true, false, 1}}) {
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", QByteArray(c.desktop));
        std::unique_ptr<QPointingDevice> touchScreen;
        if (c.touchScreen)
            touchScreen.reset(QTest::createTouchDevice());
        Start();
        m_desktop.Grab().SetHolds(!c.lockLost);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Window().Lock().IsLost() == c.lockLost; }, 4000));
        for (int line = 0; line < 4; ++line)
            EXPECT_EQ(HintLinePixels(line) > 20, line < c.lines) << c.desktop << " line " << line;
        TypeQuitWord(Window());
    }
}

TEST_F(PlayWindowTest, OnADesktopThatCannotLockTheFirstFrameTellsIt)
{
    m_desktop.CannotHold();
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    EXPECT_GT(NotLockedLinePixels(), 20);
    EXPECT_TRUE(Window().isVisible()); // the play goes on
}

TEST_F(PlayWindowTest, KeysAndClicksOnACoverAreInputsOfThePlay)
{
    m_settings.keyDelayOn = 1;
    m_settings.keyDelayMs = 300;
    PlayLibrary::SavePicture(Group(), "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    Start();
    CoverWindow cover(Window(), Window().screen());
    cover.show();
    const QImage before = Window().BackBuffer();

    m_clock.Set(1000ms);
    Click(cover, Qt::LeftButton);
    EXPECT_NE(Window().BackBuffer(), before);
    const QImage afterClick = Window().BackBuffer();
    Click(cover, Qt::RightButton); // within the key delay
    EXPECT_EQ(Window().BackBuffer(), afterClick);

    for (const auto key : kQuitWordUntilLast)
        QTest::keyClick(&cover, key);
    EXPECT_EQ(Window().QuitState(), 6);
    QTest::keyClick(&cover, Qt::Key_6);
    EXPECT_FALSE(Window().isVisible());
}

// The first key finds its picture not ready (the test seeded the generator
// after the prefetch began): the keys after it wait for it, in their order,
// while the event loop goes on.
TEST_F(PlayWindowTest, KeysPressedWhileAPictureIsMadeReadyAreAnsweredInOrder)
{
    const std::string group = Group();
    PlayLibrary::SavePicture(group, "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    Start(8);
    m_sounds.Clear();
    const QImage before = Window().BackBuffer().copy();

    PressOnly(Qt::Key_X);
    EXPECT_TRUE(Window().HasWaitingInput());
    EXPECT_EQ(Window().BackBuffer(), before) << "the key waited for its picture in place";
    PressOnly(Qt::Key_A); // replays the sound of the picture above, once it is shown
    WaitForAnswers();

    EXPECT_EQ(m_sounds.Played(), std::vector<std::string>(2, JoinPath(group, "a.wav")));
    NextPlacement(10, 10);
    EXPECT_EQ(Window().Random(), m_expected) << "A showed a picture of its own";
    EXPECT_NE(Window().BackBuffer(), before);
}

TEST_F(PlayWindowTest, TheQuitWordEndsThePlayAtOnceWhilePicturesAreMadeReady)
{
    PlayLibrary::SavePicture(Group(), "slow.png", PlayLibrary::Filled(3000, 3000, Qt::red));
    Start();
    QSignalSpy ended(&Session(), &PlaySession::ended);
    for (const auto key : kQuitWordKeys)
        PressOnly(key);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(Window().HasWaitingInput());
    m_session.reset(); // while the abandoned pick is still being decoded
}

// A picture that takes a while to decode, and a child mashing keys meanwhile:
// a few keys wait for it, the others are dropped, and the quit word still
// counts every key.
TEST_F(PlayWindowTest, MashingKeysBuildsNoBacklog)
{
    const std::string group = Group();
    PlayLibrary::SavePicture(group, "slow.png", PlayLibrary::Filled(3000, 3000, Qt::red));
    PlayLibrary::WriteBytes(JoinPath(group, "slow.wav"), "RIFF");
    Start(2);
    m_sounds.Clear();
    for (int press = 0; press < 50; ++press)
        PressOnly(Qt::Key_X);
    WaitForAnswers();
    EXPECT_EQ(m_sounds.Played().size(), 3u) << "the pictures of the waiting keys";

    for (const auto key : kQuitWordKeys)
        PressOnly(key);
    EXPECT_FALSE(Window().isVisible());
}

// Holding a key down while its picture is made ready adds nothing after it.
TEST_F(PlayWindowTest, RepeatsOfAHeldKeyDoNotWaitBehindItsPicture)
{
    const std::string group = Group();
    PlayLibrary::SavePicture(group, "a.png", PlayLibrary::Filled(10, 10, Qt::red));
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    Start(6);
    m_sounds.Clear();
    PressOnly(Qt::Key_X);
    for (int repeat = 0; repeat < 5; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&Window(), &again);
    }
    WaitForAnswers();
    EXPECT_EQ(m_sounds.Played().size(), 1u);
}

// Keys after a picture that fails to decode are answered all the same.
TEST_F(PlayWindowTest, KeysWaitingBehindAPictureThatFailsAreAnswered)
{
    PlayLibrary::WriteBytes(JoinPath(Group(), "cut.png"),
                            SolidPng(QSize(300, 300), Qt::red).substr(0, 80));
    Start(12);
    const QImage before = Window().BackBuffer().copy();
    PressOnly(Qt::Key_X);
    PressOnly(Qt::Key_Y);
    WaitForAnswers();
    m_expected.RandomIndex(1);
    m_expected.RandomIndex(1); // two index draws, no placement
    EXPECT_EQ(Window().Random(), m_expected);
    EXPECT_EQ(Window().BackBuffer(), before);
}

// A WebP picture, as phones and the web give them, is in the deck and drawn.
TEST_F(PlayWindowTest, WebpPicturesArePlayed)
{
    PlayLibrary::SavePicture(Group(), "sun.webp", PlayLibrary::Filled(40, 30, Qt::red));
    Start(13);
    ASSERT_EQ(Window().Deck().entries.size(), 1u);
    const QPoint at = NextPlacement(40, 30);
    Press(Qt::Key_X);
    const QColor drawn = QColor::fromRgb(Pixel(at.x() + 20, at.y() + 15));
    EXPECT_GT(drawn.red(), 240);
    EXPECT_LT(drawn.blue(), 15);
}
