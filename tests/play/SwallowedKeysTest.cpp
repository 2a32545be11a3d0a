// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/SwallowedKeys.h"

#include "tests/play/KeyPress.h"

#include <gtest/gtest.h>

TEST(SwallowedKeys, TheKeysThatSwitchAwayOrCloseAreSwallowed)
{
    for (const int key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Super_L,
                          Qt::Key_Super_R, Qt::Key_F1, Qt::Key_F4, Qt::Key_F12})
        EXPECT_TRUE(IsSwallowedKey(Press(key))) << key;
    EXPECT_TRUE(IsSwallowedKey(Press(Qt::Key_Space, Qt::ControlModifier)));
    for (const int key : {Qt::Key_Space, Qt::Key_F2, Qt::Key_F11, Qt::Key_A, Qt::Key_Return})
        EXPECT_FALSE(IsSwallowedKey(Press(key))) << key;
}

TEST(SwallowedKeys, AltCombinationsAndF10AreSystemKeys)
{
    EXPECT_TRUE(IsSystemKey(Press(Qt::Key_Tab, Qt::AltModifier)));
    EXPECT_TRUE(IsSystemKey(Press(Qt::Key_X, Qt::AltModifier)));
    EXPECT_TRUE(IsSystemKey(Press(Qt::Key_Alt)));
    EXPECT_TRUE(IsSystemKey(Press(Qt::Key_F10)));
    EXPECT_FALSE(IsSystemKey(Press(Qt::Key_X, Qt::ShiftModifier)));
}

TEST(SwallowedKeys, TheLockHoldsBackBoth)
{
    EXPECT_TRUE(IsHeldBackKey(Press(Qt::Key_Tab)));
    EXPECT_TRUE(IsHeldBackKey(Press(Qt::Key_F4, Qt::AltModifier)));
    EXPECT_FALSE(IsHeldBackKey(Press(Qt::Key_K)));
}
