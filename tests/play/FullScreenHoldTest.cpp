// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/FullScreenHold.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class HeldWindow : public QWidget
{
public:
    HeldWindow() { showFullScreen(); }
    // What the desktop does to the window, as its window system reports it.
    void DesktopSets(Qt::WindowStates states) { setWindowState(states); }
    bool IsFullScreenNow() const { return windowState() == Qt::WindowFullScreen && isVisible(); }

private:
    FullScreenHold m_hold{*this};
};

TEST(FullScreenHold, WhatTheDesktopTakesIsAskedBackAtOnce)
{
    for (const Qt::WindowStates taken :
         {Qt::WindowStates(Qt::WindowNoState), Qt::WindowStates(Qt::WindowMaximized),
          Qt::WindowFullScreen | Qt::WindowMinimized}) {
        HeldWindow window;
        window.DesktopSets(taken);
        EXPECT_FALSE(window.IsFullScreenNow()) << taken.toInt();
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.IsFullScreenNow()) << taken.toInt();
    }
}

TEST(FullScreenHold, AHiddenWindowStaysHidden)
{
    HeldWindow window;
    window.DesktopSets(Qt::WindowNoState);
    window.hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
}

// A desktop that answers every ask by taking full screen away again is asked
// a few times at once, then at a slower pace, not in a busy loop.
TEST(FullScreenHold, ADesktopThatKeepsRefusingIsAskedAtASlowerPace)
{
    HeldWindow window;
    for (int ask = 0; ask < 3; ++ask) {
        window.DesktopSets(Qt::WindowNoState);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.IsFullScreenNow()) << ask;
    }
    window.DesktopSets(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.IsFullScreenNow());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.IsFullScreenNow(); }, 3000));
}

} // namespace
