// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PictureCache.h"

#include "PlayLibrary.h"
#include "platform/files/Paths.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

const QSize kCacheScreen(64, 64);

// Pictures of known sizes, decoded for real, and a count of the decodes.
class PictureCacheTest : public ::testing::Test
{
protected:
    ScreenPicture Decode(int side)
    {
        ++m_decodes;
        const std::string path = JoinPath(m_library.Dir(), std::to_string(side) + ".png");
        PlayLibrary::SavePicture(m_library.Dir(), std::to_string(side) + ".png",
                                 PlayLibrary::Filled(side, side, Qt::red));
        auto image = std::make_shared<CPictureImage>();
        EXPECT_EQ(image->LoadFile(path), CPictureImage::kSuccess);
        return image;
    }
    ScreenPicture Get(PictureCache& cache, int side, const std::string& version = "1")
    {
        return cache.Get({std::to_string(side), kCacheScreen, false}, version,
                         [&] { return Decode(side); });
    }

    PlayLibrary m_library;
    std::atomic<int> m_decodes = 0;
};

// A 32x32 picture holds 4 KiB: with room for three, the fourth pushes out the
// one used longest ago, and one that alone exceeds the budget is never held.
TEST_F(PictureCacheTest, HoldsItsBudgetLettingTheLeastRecentlyUsedGo)
{
    PictureCache cache(3 * (32 * 32 * 4 + 1024));
    for (const int side : {31, 32, 33})
        Get(cache, side);
    Get(cache, 31); // now used after 32
    Get(cache, 30);
    EXPECT_LE(cache.HeldBytes(), cache.BudgetBytes());
    const int decodes = m_decodes;
    struct Case
    {
        int side;
        bool held;
    };
    for (const Case c : {Case{31, true}, Case{33, true}, Case{30, true}, Case{32, false}}) {
        SCOPED_TRACE(c.side);
        const int before = m_decodes;
        Get(cache, c.side);
        EXPECT_EQ(m_decodes - before, c.held ? 0 : 1);
    }
    EXPECT_GT(m_decodes, decodes);

    const ScreenPicture huge = Get(cache, 200);
    ASSERT_TRUE(huge);
    const int before = m_decodes;
    Get(cache, 200);
    EXPECT_EQ(m_decodes - before, 1) << "a picture larger than the budget was held";
    EXPECT_LE(cache.HeldBytes(), cache.BudgetBytes());
}

// A changed file is decoded again; a picture that cannot be shown is kept as
// such; Clear lets everything go.
TEST_F(PictureCacheTest, AnotherVersionIsDecodedAgainAndFailuresAreKept)
{
    PictureCache cache(1 << 20);
    Get(cache, 20, "1");
    Get(cache, 20, "1");
    Get(cache, 20, "2");
    EXPECT_EQ(m_decodes, 2);

    int failures = 0;
    const auto fail = [&] {
        ++failures;
        return ScreenPicture{};
    };
    EXPECT_FALSE(cache.Get({"broken", kCacheScreen, false}, "1", fail));
    EXPECT_FALSE(cache.Get({"broken", kCacheScreen, false}, "1", fail));
    EXPECT_EQ(failures, 1);

    // Another screen or transparency is another picture.
    cache.Get({"20", {32, 32}, false}, "2", [&] { return Decode(20); });
    cache.Get({"20", kCacheScreen, true}, "2", [&] { return Decode(20); });
    EXPECT_EQ(m_decodes, 4);

    cache.Clear();
    EXPECT_EQ(cache.HeldBytes(), 0);
    Get(cache, 20, "2");
    EXPECT_EQ(m_decodes, 5);
}

// Workers that want the same picture at once decode it once and all get it.
TEST_F(PictureCacheTest, APictureWantedByTwoWorkersIsDecodedOnce)
{
    PictureCache cache(1 << 20);
    std::atomic<bool> release = false;
    const auto slowDecode = [&] {
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return Decode(25);
    };
    ScreenPicture first, second;
    std::thread one([&] { first = cache.Get({"25", kCacheScreen, false}, "1", slowDecode); });
    std::thread two([&] { second = cache.Get({"25", kCacheScreen, false}, "1", slowDecode); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    release = true;
    one.join();
    two.join();
    EXPECT_EQ(m_decodes, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first, second);
}

} // namespace
