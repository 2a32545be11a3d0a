// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/KeyboardLock.h"
#include "tests/support/FakeDesktopGrab.h"
#include "tests/support/LogRecorder.h"
#include "tests/support/ScopedEnv.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// Counts the key presses that reach it.
class KeyCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

// The lock's owner names the keys; these tests swallow Esc and whatever comes with Alt.
bool EscOrAlt(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Escape || event.modifiers().testFlag(Qt::AltModifier);
}

// A lock on a desktop whose grab the test controls, with a shown play window.
struct LockOnFakeDesktop
{
    LockOnFakeDesktop(bool holds, bool canHold)
    {
        auto fake = std::make_unique<FakeDesktopGrab>(holds, canHold);
        grab = fake.get();
        lock = std::make_unique<KeyboardLock>(std::move(fake), EscOrAlt);
    }
    void EngageShown()
    {
        lock->Engage(&play);
        play.show();
    }

    KeyCounter play;
    FakeDesktopGrab* grab;
    std::unique_ptr<KeyboardLock> lock;
};

} // namespace

TEST(KeyboardLock, FiltersOnlyWhileEngagedAndOnlyItsWindow)
{
    KeyCounter locked;
    KeyCounter other;
    KeyboardLock lock(std::make_unique<FakeDesktopGrab>(true, true), EscOrAlt);
    lock.Engage(&locked);
    for (QWidget* widget : {static_cast<QWidget*>(&locked), static_cast<QWidget*>(&other)}) {
        QTest::keyClick(widget, Qt::Key_Escape);
        QTest::keyClick(widget, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(widget, Qt::Key_X);
    }
    EXPECT_EQ(locked.presses, 1);
    EXPECT_EQ(other.presses, 4); // Esc, Alt, Alt+X and X

    lock.Release();
    EXPECT_FALSE(lock.IsEngaged());
    QTest::keyClick(&locked, Qt::Key_Escape);
    EXPECT_EQ(locked.presses, 2);
}

TEST(KeyboardLock, TheDesktopGetsThePlayWindowOnceShownAndTheCoversWithIt)
{
    LockOnFakeDesktop desktop(true, true);
    KeyCounter early;
    early.show();
    desktop.lock->Engage(&desktop.play);
    desktop.lock->AddCover(&early); // before the play window is shown
    EXPECT_EQ(desktop.grab->Play(), nullptr);
    EXPECT_TRUE(desktop.grab->Covers().empty());
    desktop.play.show();
    EXPECT_EQ(desktop.grab->Play(), desktop.play.windowHandle());
    EXPECT_EQ(desktop.grab->Covers(), std::vector<QWindow*>{early.windowHandle()});

    KeyCounter late;
    late.show();
    desktop.lock->AddCover(&late);
    QTest::keyClick(&late, Qt::Key_Escape);
    QTest::keyClick(&late, Qt::Key_X);
    EXPECT_EQ(late.presses, 1); // a cover's keys are filtered like the play's
    desktop.lock->RemoveCover(&early);
    EXPECT_EQ(desktop.grab->Covers(), std::vector<QWindow*>{late.windowHandle()});

    desktop.lock->Release();
    EXPECT_EQ(desktop.grab->Play(), nullptr);
    QTest::keyClick(&late, Qt::Key_Escape);
    EXPECT_EQ(late.presses, 2);
}

TEST(KeyboardLock, ADesktopThatCannotHoldItsKeysLosesTheLockAtOnce)
{
    LockOnFakeDesktop desktop(false, false);
    QSignalSpy lostChanged(desktop.lock.get(), &KeyboardLock::lostChanged);
    desktop.EngageShown();
    EXPECT_TRUE(desktop.lock->IsLost());
    ASSERT_EQ(lostChanged.size(), 1);
    desktop.lock->Release();
    EXPECT_FALSE(desktop.lock->IsLost()); // the next play starts afresh
}

// Offscreen the desktop's shortcuts cannot be held, but the program's own
// session has none to hold.
TEST(KeyboardLock, InTheProgramsOwnSessionTheDesktopGrabAlwaysHolds)
{
    for (const auto& [desktop, holds] : {std::pair{"GNOME", false}, {"Tapnest", true}}) {
        const ScopedEnv session("XDG_CURRENT_DESKTOP", QByteArray(desktop));
        const std::unique_ptr<DesktopGrab> grab = MakeDesktopGrab();
        QWindow play;
        play.show();
        grab->Engage(&play);
        EXPECT_EQ(grab->Holds(), holds) << desktop;
        grab->ReleaseAll();
    }
}

TEST(KeyboardLock, ALockNotGrantedWithinTheGraceTimeIsLostUntilGranted)
{
    LockOnFakeDesktop desktop(false, true);
    desktop.EngageShown();
    EXPECT_FALSE(desktop.lock->IsLost()); // the desktop may still say yes
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.lock->IsLost(); }, 4000));
    desktop.grab->SetHolds(true);
    EXPECT_FALSE(desktop.lock->IsLost());
}

TEST(KeyboardLock, NoLossIsToldWhileTheDesktopAsksItsUserAndThenItSaysWhy)
{
    LockOnFakeDesktop desktop(false, true);
    const LogRecorder log;
    desktop.grab->SetAsking(true);
    desktop.EngageShown();
    QTest::qWait(2500); // longer than the grace time: a parent may read the question slowly
    EXPECT_FALSE(desktop.lock->IsLost());

    desktop.grab->SetAsking(false, LockLoss::Refused); // closed without a grant
    EXPECT_FALSE(desktop.lock->IsLost());
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.lock->IsLost(); }, 4000));
    ASSERT_EQ(log.Logged().size(), 1u);
    EXPECT_EQ(log.Logged()[0].type, QtWarningMsg);
    EXPECT_NE(log.Logged()[0].text.find("cannot grab the keyboard (the desktop refused)"),
              std::string::npos)
        << log.Logged()[0].text;
}

TEST(KeyboardLock, AMomentWithoutTheGrabIsNoLoss)
{
    LockOnFakeDesktop desktop(true, true);
    QSignalSpy lostChanged(desktop.lock.get(), &KeyboardLock::lostChanged);
    desktop.EngageShown();
    desktop.grab->SetHolds(false); // the focus moving from one window of the play to another
    desktop.grab->SetHolds(true);
    QTest::qWait(2500);
    EXPECT_TRUE(lostChanged.isEmpty());
}

TEST(KeyboardLock, AnotherWindowOfTheProgramHandsTheFocusBackToThePlay)
{
    LockOnFakeDesktop desktop(true, true);
    QWidget welcome;
    welcome.show();
    desktop.EngageShown();
    welcome.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.play.isActiveWindow(); }));

    desktop.lock->Release();
    welcome.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return welcome.isActiveWindow(); }));
    QTest::qWait(50);
    EXPECT_TRUE(welcome.isActiveWindow());
}
