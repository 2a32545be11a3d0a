#include "platform/KeyboardLock.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Counts the key presses that reach it.
class KeyCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

QKeyEvent Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QKeyEvent(QEvent::KeyPress, key, modifiers);
}

} // namespace

TEST(KeyboardLock, SwallowsTheKeysThatSwitchAwayOrClose)
{
    for (const int key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Super_L,
                          Qt::Key_Super_R, Qt::Key_F1, Qt::Key_F4, Qt::Key_F12})
        EXPECT_TRUE(KeyboardLock::IsSwallowed(Press(key))) << key;
    EXPECT_TRUE(KeyboardLock::IsSwallowed(Press(Qt::Key_Space, Qt::ControlModifier)));
    for (const int key : {Qt::Key_Space, Qt::Key_F2, Qt::Key_F11, Qt::Key_A, Qt::Key_Return})
        EXPECT_FALSE(KeyboardLock::IsSwallowed(Press(key))) << key;
}

TEST(KeyboardLock, AltCombinationsAndF10AreSystemKeys)
{
    EXPECT_TRUE(KeyboardLock::IsSystemKey(Press(Qt::Key_Tab, Qt::AltModifier)));
    EXPECT_TRUE(KeyboardLock::IsSystemKey(Press(Qt::Key_X, Qt::AltModifier)));
    EXPECT_TRUE(KeyboardLock::IsSystemKey(Press(Qt::Key_Alt)));
    EXPECT_TRUE(KeyboardLock::IsSystemKey(Press(Qt::Key_F10)));
    EXPECT_FALSE(KeyboardLock::IsSystemKey(Press(Qt::Key_X, Qt::ShiftModifier)));
}

TEST(KeyboardLock, FiltersOnlyWhileEngagedAndOnlyItsWindow)
{
    KeyCounter locked;
    KeyCounter other;
    KeyboardLock lock;
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
