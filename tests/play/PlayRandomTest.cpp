// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlayRandom.h"

#include <gtest/gtest.h>

TEST(PlayRandom, FollowsTheWellKnownSequenceOfThisGenerator)
{
    // The first draws after seeding with 1, as published for this generator.
    PlayRandom random;
    random.Seed(1);
    for (const int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358})
        EXPECT_EQ(random.Draw(), expected);
}

TEST(PlayRandom, RandomIndexDrawsOnlyForAPositiveRange)
{
    PlayRandom a;
    PlayRandom b;
    a.Seed(7);
    b.Seed(7);
    EXPECT_EQ(a.RandomIndex(0), 0);
    EXPECT_EQ(a.RandomIndex(-5), 0);
    EXPECT_EQ(a.RandomIndex(1000), b.Draw() % 1000); // no draw was used up above
    for (int i = 0; i < 1000; ++i) {
        const int index = a.RandomIndex(3);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 3);
    }
}

TEST(PlayRandom, ColoursUseThreeDrawsAndNegateForTheText)
{
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        PlayRandom random;
        PlayRandom draws;
        random.Seed(seed);
        draws.Seed(seed);
        const PlayColors colors = random.RandomColors();
        const std::uint32_t r = draws.Draw() % 255;
        const std::uint32_t g = draws.Draw() % 255;
        const std::uint32_t b = draws.Draw() % 255;
        ASSERT_EQ(colors.back, r | g << 8 | b << 16);
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t back = (colors.back >> shift) & 0xFF;
            const std::uint32_t text = (colors.text >> shift) & 0xFF;
            ASSERT_LE(back, 254u);
            ASSERT_EQ((back + text) % 256, 0u) << "seed " << seed;
        }
        ASSERT_EQ(colors.text >> 24, 0u);
        EXPECT_EQ(random.Draw(), draws.Draw()); // exactly three draws were made
    }
}
