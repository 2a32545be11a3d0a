// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KipoDlg.h"
#include "library/Settings.h"
#include "platform/MessageBox.h"
#include "platform/files/Paths.h"
#include "platform/sound/Sound.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "tests/support/FakeDesktopGrab.h"
#include "tests/support/QuitWordKeys.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WidgetTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The welcome dialog over a library with one shown picture.
class WelcomePlay : public ::testing::Test
{
protected:
    WelcomePlay()
    {
        library.PointProgramHere();
        const std::string group = library.AddGroup(TestGroup("Shapes"));
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(QString::fromStdString(JoinPath(group, "red.png")));
        settings.Load();
    }

    // Writes Kipo.ini as the parent's Setup would have left it.
    void SaveSettings(void (*change)(Settings&))
    {
        Settings stored;
        stored.Load();
        change(stored);
        ASSERT_TRUE(stored.Save());
    }

    void Start() { dialog.Find<QPushButton>(WelcomeId::Start)->click(); }

    void TypeQuitWord()
    {
        for (const auto key : kQuitWordKeys) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&dialog.Play().Window(), &press);
        }
    }

    const QTimer& Timer(const char* name)
    {
        return *dialog.Play().findChild<QTimer*>(QString::fromLatin1(name));
    }

    std::string Sound(const char* name) const { return JoinPath(library.InstallDir(), name); }

    TempLibrary library;
    ScriptedMessages messages;
    SoundRecorder sounds;
    Settings settings;
    CKipoDlg dialog{settings};
};

} // namespace

TEST_F(WelcomePlay, AFreshInstallStartsWithTheDefaults)
{
    Start();
    EXPECT_TRUE(dialog.Play().IsPlaying());
    EXPECT_TRUE(dialog.Play().Window().isVisible());
    EXPECT_TRUE(dialog.Play().Window().isFullScreen());
    EXPECT_EQ(sounds.Played(), std::vector<std::string>{Sound("Hello.wav")});
    EXPECT_TRUE(Timer("timeLimit").isActive());
    EXPECT_EQ(Timer("timeLimit").interval(), 10 * 60000);
    EXPECT_TRUE(Timer("autoDisplay").isActive());
    EXPECT_EQ(Timer("autoDisplay").interval(), 800);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(WelcomePlay, StartReadsTheSettingsFileFirst)
{
    SaveSettings([](Settings& s) {
        s.timeLimitOn = 0;
        s.autoDisplayOn = 0;
        s.backgroundColor = 0x0000FF00;
    });
    Start();
    ASSERT_TRUE(dialog.Play().IsPlaying());
    EXPECT_FALSE(Timer("timeLimit").isActive());
    EXPECT_FALSE(Timer("autoDisplay").isActive());
    const QImage& frame = dialog.Play().Window().Canvas().Frame();
    EXPECT_EQ(frame.pixel(frame.width() / 2, frame.height() / 2), qRgb(0, 255, 0));
}

TEST_F(WelcomePlay, NoPictureMeansAWarningAndNoPlay)
{
    SaveSettings([](Settings&) {});
    std::remove(JoinPath(library.PathOf("Shapes"), "red.png").c_str());
    Start();
    EXPECT_FALSE(dialog.Play().IsPlaying());
    EXPECT_FALSE(dialog.Play().Window().isVisible());
    EXPECT_FALSE(Timer("timeLimit").isActive());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Please select one picture group to display.");
}

TEST_F(WelcomePlay, TheTimeLimitEndsThePlayThenAsksForARest)
{
    SaveSettings([](Settings& s) { s.timeLimitMinutes = 0; });
    Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.Shown().empty(); }, 2000));
    EXPECT_FALSE(dialog.Play().IsPlaying());
    EXPECT_FALSE(dialog.Play().Window().isVisible());
    EXPECT_EQ(sounds.Played().back(), Sound("GoodBye.wav"));
    const MessageRequest& rest = messages.Shown()[0];
    EXPECT_EQ(rest.text, "You have played for a long time. Please have a rest.");
    EXPECT_EQ(rest.caption, "Information");
    EXPECT_EQ(rest.icon, MessageIcon::Information);
    EXPECT_EQ(rest.owner, &dialog);
}

TEST_F(WelcomePlay, BehindThePlayTheDialogTakesNoInputAndGivesTheFocusBack)
{
    dialog.show();
    Start();
    EXPECT_FALSE(dialog.isEnabled());
    EXPECT_FALSE(dialog.Find<QPushButton>(WelcomeId::Start)->isEnabled());
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Play().Window().isActiveWindow(); }));

    TypeQuitWord();
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isActiveWindow(); }));
    QTest::qWait(50); // the dialog keeps the focus once the play is over
    EXPECT_TRUE(dialog.isActiveWindow());
}

TEST_F(WelcomePlay, AnEarlyEndStopsThePendingTimeLimit)
{
    Start();
    TypeQuitWord();
    EXPECT_FALSE(dialog.Play().IsPlaying());
    EXPECT_FALSE(Timer("timeLimit").isActive());
    EXPECT_EQ(sounds.Played().back(), Sound("GoodBye.wav"));

    Start();
    EXPECT_TRUE(Timer("timeLimit").isActive());
}

TEST_F(WelcomePlay, AutoDisplayShowsAPictureAfterAQuietSpellAndStopsAfterThePlay)
{
    SaveSettings([](Settings& s) { s.autoDisplaySeconds = 0; });
    Start();
    sounds.Clear();
    const QImage first = dialog.Play().Window().Canvas().Frame().copy();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return dialog.Play().Window().Canvas().Frame() != first; }, 3000));

    TypeQuitWord();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Timer("autoDisplay").isActive(); }, 3000));
}

// The desktop, asked ahead on the welcome dialog, refuses: one note says so
// where the buttons began, in the words that fit this desktop, and the
// buttons and the dialog's bottom edge make room for it.
TEST(WelcomeLockNote, ARefusalAheadPutsOneNoteAboveTheButtons)
{
    struct Case
    {
        const char* desktop;
        bool installed;
        int text;
    };
    for (const Case& c : {Case{"KDE", true, kStrKeysWillNotLock},
                          Case{"ubuntu:GNOME", true, kStrKeysWillNotLockGnome},
                          Case{"GNOME", false, kStrKeysWillNotLockGnomeCopy}}) {
        SCOPED_TRACE(c.desktop);
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", QByteArray(c.desktop));
        const QTemporaryDir data;
        const ScopedEnv dataHome("XDG_DATA_HOME", data.path().toUtf8());
        const ScopedEnv dataDirs("XDG_DATA_DIRS", data.path().toUtf8());
        QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Test"));
        if (c.installed) {
            QDir(data.path()).mkpath(QStringLiteral("applications"));
            QFile entry(data.filePath(QStringLiteral("applications/org.example.Test.desktop")));
            ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        }
        TempLibrary library;
        library.PointProgramHere();
        FakeDesktop fake;
        Settings settings;
        settings.Load();
        CKipoDlg dialog(settings);
        ASSERT_TRUE(ShowActive(dialog));
        FakeDesktopGrab& grab = fake.Grab();
        EXPECT_EQ(grab.AskedAhead(), dialog.windowHandle());
        EXPECT_EQ(dialog.LockNote(), nullptr);

        const QRect start = dialog.Find<QPushButton>(WelcomeId::Start)->geometry();
        const QRect close = dialog.Find<QPushButton>(WelcomeId::Close)->geometry();
        const int height = dialog.height();
        grab.RefuseAhead();
        grab.RefuseAhead(); // one note, however often told
        ASSERT_NE(dialog.LockNote(), nullptr);
        const QLabel& note = *dialog.LockNote();
        EXPECT_EQ(note.text().toStdString(), LoadString(c.text));
        EXPECT_TRUE(note.isVisible());
        EXPECT_EQ(note.geometry().top(), start.top());
        const int shift = dialog.Find<QPushButton>(WelcomeId::Start)->y() - start.y();
        EXPECT_GT(shift, note.height());
        EXPECT_EQ(dialog.Find<QPushButton>(WelcomeId::Close)->y(), close.y() + shift);
        EXPECT_EQ(dialog.height(), height + shift);
        QGuiApplication::setDesktopFileName({});
    }
}
