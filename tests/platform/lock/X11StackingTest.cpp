// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/X11Stacking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kPlayWindow = 1;
constexpr std::uint32_t kCover = 2;
constexpr std::uint32_t kOther = 3;
constexpr std::uint32_t kMenu = 4;
const std::vector<std::uint32_t> kOurs = {kPlayWindow, kCover};

const QRect kLeftScreen(0, 0, 1920, 1080);
const QRect kRightScreen(1920, 0, 1280, 1024);
const QRect kSmallOnLeft(100, 100, 300, 200);
const QRect kSmallOnRight(2000, 100, 300, 200);

struct StackCase
{
    const char* what;
    std::vector<StackedWindow> bottomToTop;
    std::vector<std::uint32_t> over; // the windows over ours
};

const StackCase kStackCases[] = {
    {"nothing but the play", {{kPlayWindow, kLeftScreen, true}}, {}},
    {"another window below the play",
     {{kOther, kSmallOnLeft, true}, {kPlayWindow, kLeftScreen, true}},
     {}},
    {"another window above the play",
     {{kPlayWindow, kLeftScreen, true}, {kOther, kSmallOnLeft, true}},
     {kOther}},
    {"an unmapped or input-only window above the play",
     {{kPlayWindow, kLeftScreen, true}, {kOther, kSmallOnLeft, false}},
     {}},
    {"a window above the play but on the cover's screen, under the cover",
     {{kPlayWindow, kLeftScreen, true},
      {kOther, kSmallOnRight, true},
      {kCover, kRightScreen, true}},
     {}},
    {"a window above the cover on its screen",
     {{kCover, kRightScreen, true},
      {kPlayWindow, kLeftScreen, true},
      {kOther, kSmallOnRight, true}},
     {kOther}},
    {"a window above a hidden cover only",
     {{kCover, kRightScreen, false},
      {kPlayWindow, kLeftScreen, true},
      {kOther, kSmallOnRight, true}},
     {}},
    {"a window touching the play's screen only at its edge",
     {{kPlayWindow, kLeftScreen, true}, {kOther, QRect(1920, 0, 100, 100), true}},
     {}},
    {"a menu straddling both screens above both",
     {{kPlayWindow, kLeftScreen, true},
      {kCover, kRightScreen, true},
      {kOther, QRect(1800, 500, 300, 300), true}},
     {kOther}},
    {"an empty stack", {}, {}},
    {"a menu above the play and a window below it",
     {{kOther, kSmallOnLeft, true},
      {kPlayWindow, kLeftScreen, true},
      {kMenu, kSmallOnLeft, true, true}},
     {kMenu}},
    {"two windows above the play, the lower one first",
     {{kPlayWindow, kLeftScreen, true},
      {kMenu, kSmallOnLeft, true, true},
      {kOther, kSmallOnLeft, true}},
     {kMenu, kOther}},
};

TEST(X11StackingTest, FindsTheOtherWindowsThatLieOverOneOfOurs)
{
    for (const StackCase& test : kStackCases) {
        std::vector<std::uint32_t> over;
        for (const StackedWindow& window : WindowsOverOurs(test.bottomToTop, kOurs))
            over.push_back(window.id);
        EXPECT_EQ(over, test.over) << test.what;
    }
}

TEST(X11StackingTest, TellsTheWindowsThatPlaceThemselves)
{
    const std::vector<StackedWindow> stack = {{kPlayWindow, kLeftScreen, true},
                                              {kMenu, kSmallOnLeft, true, true},
                                              {kOther, kSmallOnLeft, true, false}};
    const std::vector<StackedWindow> over = WindowsOverOurs(stack, kOurs);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_TRUE(over[0].placesItself);
    EXPECT_FALSE(over[1].placesItself);
}

TEST(X11StackingTest, LooksQuicklyWhileSettlingThenOnceASecondThenSeldom)
{
    // Quick looks first, then never quicker again while the desktop keeps
    // undoing the hold; all held is looked at least often.
    const int settled = NextLookMs(0);
    EXPECT_GE(settled, 1000);
    EXPECT_LE(NextLookMs(1), 100);
    EXPECT_EQ(NextLookMs(kQuickLooks), NextLookMs(1));
    for (int unsettled = kQuickLooks + 1; unsettled < kQuickLooks + 50; ++unsettled) {
        EXPECT_EQ(NextLookMs(unsettled), 1000) << unsettled;
        EXPECT_LE(NextLookMs(unsettled), settled);
    }
}

} // namespace
