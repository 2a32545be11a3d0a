// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/WindowFit.h"

#include <gtest/gtest.h>

namespace {

constexpr QSize kHelpSize(960, 680);

TEST(WindowFit, TheWindowAndItsFrameLieWithinTheFreeAreaAndKeepTheirSizeWhereItFits)
{
    struct Case
    {
        const char* screen;
        QRect available;
        QMargins frame;
        bool fitsWhole;
    };
    const Case cases[] = {
        {"netbook", {0, 0, 1024, 600}, {4, 28, 4, 4}, false},
        {"netbook under a top panel", {0, 27, 1024, 573}, {4, 28, 4, 4}, false},
        {"laptop", {0, 0, 1366, 768}, {4, 28, 4, 4}, true},
        {"second 4K screen at scale 2", {1920, 0, 1920, 1080}, {4, 28, 4, 4}, true},
        {"left of the primary", {-800, 0, 800, 600}, {}, false},
        {"exactly the frame's size", {0, 0, 968, 712}, {4, 28, 4, 4}, true},
    };
    for (const Case& c : cases) {
        const QRect window = FittedWindowGeometry(kHelpSize, c.available, c.frame);
        const QRect outer = window.marginsAdded(c.frame);
        EXPECT_TRUE(c.available.contains(outer)) << c.screen;
        EXPECT_EQ(window.size() == kHelpSize, c.fitsWhole) << c.screen;
        EXPECT_LE(std::abs((outer.center() - c.available.center()).x()), 1) << c.screen;
        EXPECT_LE(std::abs((outer.center() - c.available.center()).y()), 1) << c.screen;
        if (!c.fitsWhole) { // as large as the free area allows where it is too small
            EXPECT_TRUE(outer.width() == c.available.width() ||
                        outer.height() == c.available.height())
                << c.screen;
        }
    }
}

} // namespace
