#include "platform/lock/X11Stacking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kPlay = 1;
constexpr std::uint32_t kCover = 2;
constexpr std::uint32_t kOther = 3;
const std::vector<std::uint32_t> kOurs = {kPlay, kCover};

const QRect kLeftScreen(0, 0, 1920, 1080);
const QRect kRightScreen(1920, 0, 1280, 1024);
const QRect kSmallOnLeft(100, 100, 300, 200);
const QRect kSmallOnRight(2000, 100, 300, 200);

struct StackCase
{
    const char* what;
    std::vector<StackedWindow> bottomToTop;
    bool covered;
};

const StackCase kStackCases[] = {
    {"nothing but the play", {{kPlay, kLeftScreen, true}}, false},
    {"another window below the play",
     {{kOther, kSmallOnLeft, true}, {kPlay, kLeftScreen, true}},
     false},
    {"another window above the play",
     {{kPlay, kLeftScreen, true}, {kOther, kSmallOnLeft, true}},
     true},
    {"an unmapped or input-only window above the play",
     {{kPlay, kLeftScreen, true}, {kOther, kSmallOnLeft, false}},
     false},
    {"a window above the play but on the cover's screen, under the cover",
     {{kPlay, kLeftScreen, true}, {kOther, kSmallOnRight, true}, {kCover, kRightScreen, true}},
     false},
    {"a window above the cover on its screen",
     {{kCover, kRightScreen, true}, {kPlay, kLeftScreen, true}, {kOther, kSmallOnRight, true}},
     true},
    {"a window above a hidden cover only",
     {{kCover, kRightScreen, false}, {kPlay, kLeftScreen, true}, {kOther, kSmallOnRight, true}},
     false},
    {"a window touching the play's screen only at its edge",
     {{kPlay, kLeftScreen, true}, {kOther, QRect(1920, 0, 100, 100), true}},
     false},
    {"a menu straddling both screens above both",
     {{kPlay, kLeftScreen, true},
      {kCover, kRightScreen, true},
      {kOther, QRect(1800, 500, 300, 300), true}},
     true},
    {"an empty stack", {}, false},
};

TEST(X11StackingTest, TellsWhetherAnotherWindowCoversOneOfOurs)
{
    for (const StackCase& test : kStackCases)
        EXPECT_EQ(OtherWindowAbove(test.bottomToTop, kOurs), test.covered) << test.what;
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
