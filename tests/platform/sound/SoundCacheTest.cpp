// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundCache.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundCache, DropsTheLeastRecentlyUsedToStayWithinItsBound)
{
    SoundCache cache(10);
    cache.Insert("a", QByteArray(4, 'a'));
    cache.Insert("b", QByteArray(4, 'b'));
    ASSERT_EQ(cache.Find("a"), QByteArray(4, 'a')); // now a is newer than b
    cache.Insert("c", QByteArray(4, 'c'));
    EXPECT_FALSE(cache.Find("b").has_value());
    EXPECT_TRUE(cache.Find("a").has_value());
    EXPECT_TRUE(cache.Find("c").has_value());

    cache.Insert("a", QByteArray(7, 'A'));     // replaces a, then c has to go
    cache.Insert("huge", QByteArray(11, 'h')); // larger than the bound: not kept
    EXPECT_EQ(cache.Find("a"), QByteArray(7, 'A'));
    EXPECT_FALSE(cache.Find("c").has_value());
    EXPECT_FALSE(cache.Find("huge").has_value());
    EXPECT_EQ(cache.Bytes(), 7);

    cache.Clear();
    EXPECT_FALSE(cache.Find("a").has_value());
    EXPECT_EQ(cache.Bytes(), 0);
}

} // namespace
