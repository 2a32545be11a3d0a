// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayLibrary.h"

#include "platform/files/Paths.h"
#include "play/PicturePrefetch.h"
#include "tests/support/SolidPng.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>
#include <vector>

namespace {

const QSize kPrefetchScreen(200, 150);

// The pick a key would make with nothing kept from before.
PicturePick FreshPick(PlayRandom& random, const std::vector<DeckEntry>& entries,
                      const PickRules& rules)
{
    PictureCache nothingKept(0);
    return PickPicture(random, entries, rules, nothingKept);
}

// The pictures a pick meets: small ones, one wider and one higher than the
// screen, one whose header cannot be read and one that fails to decode.
class PicturePrefetchTest : public ::testing::Test
{
protected:
    PicturePrefetchTest()
    {
        const std::string dir = m_library.AddGroup("G");
        const auto add = [&](const std::string& name) {
            DeckEntry entry;
            entry.picturePath = JoinPath(dir, name);
            m_entries.push_back(entry);
        };
        PlayLibrary::SavePicture(dir, "red.png", PlayLibrary::Filled(30, 20, Qt::red));
        PlayLibrary::SavePicture(dir, "green.bmp", PlayLibrary::Filled(64, 48, Qt::green));
        PlayLibrary::SavePicture(dir, "wide.png", PlayLibrary::Filled(320, 10, Qt::blue));
        PlayLibrary::SavePicture(dir, "high.png", PlayLibrary::Filled(10, 400, Qt::yellow));
        PlayLibrary::WriteBytes(JoinPath(dir, "broken.png"), "not a picture");
        PlayLibrary::WriteBytes(JoinPath(dir, "cut.png"),
                                SolidPng(QSize(90, 90), Qt::red).substr(0, 80));
        for (const char* name :
             {"red.png", "green.bmp", "wide.png", "high.png", "broken.png", "cut.png"})
            add(name);
        m_pictures = std::make_shared<const std::vector<DeckEntry>>(m_entries);
    }

    PlayLibrary m_library;
    std::vector<DeckEntry> m_entries;
    DeckPictures m_pictures;
    PictureCache m_cache{PicturePrefetch::kCacheBudgetBytes};
};

// The pick once the worker has it, waiting for ready() as the play window
// does; a pick begun again (another state, a changed file) is waited for too.
PicturePick TakeWhenReady(PicturePrefetch& prefetch, PlayRandom& random, const PickRules& rules)
{
    QSignalSpy ready(&prefetch, &PicturePrefetch::ready);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (std::optional<PicturePick> pick = prefetch.TakeReady(random, rules))
            return std::move(*pick);
        if (!ready.wait(10000))
            break;
    }
    ADD_FAILURE() << "the prefetch never became ready";
    return {};
}

void ExpectSamePick(const PicturePick& got, const PicturePick& want)
{
    EXPECT_EQ(got.index, want.index);
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.colors, want.colors);
    ASSERT_EQ(got.image != nullptr, want.image != nullptr);
    if (got.image) {
        EXPECT_EQ(got.image->Width(), want.image->Width());
        EXPECT_EQ(got.image->PixelAt(0, 0), want.image->PixelAt(0, 0));
    }
}

TEST_F(PicturePrefetchTest, PrefetchedPicksAreThePicksTheKeysWouldMake)
{
    PicturePrefetch prefetch(m_cache);
    for (const bool randomColors : {false, true}) {
        const PickRules rules{
            .randomColors = randomColors, .screen = kPrefetchScreen, .defaultSoundCount = 3};
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(seed);
            PlayRandom atKey, prefetched;
            atKey.Seed(seed);
            prefetched.Seed(seed);
            for (int press = 0; press < 10; ++press) {
                prefetch.Start(prefetched, m_pictures, rules);
                const PicturePick want = FreshPick(atKey, m_entries, rules);
                ExpectSamePick(TakeWhenReady(prefetch, prefetched, rules), want);
                ASSERT_EQ(prefetched, atKey) << "the draws were not taken alike";
                if (want.image) {
                    const DeckEntry& shown = m_entries[want.index];
                    DrawDefaultSound(atKey, shown, rules.defaultSoundCount);
                    DrawDefaultSound(prefetched, shown, rules.defaultSoundCount);
                }
            }
        }
    }
}

TEST_F(PicturePrefetchTest, APrefetchFromAnotherStateOrRulesIsMadeAgain)
{
    PicturePrefetch prefetch(m_cache);
    const PickRules rules{.randomColors = false, .screen = kPrefetchScreen};
    PlayRandom random;
    random.Seed(5);

    // Something drew from the generator after the prefetch began.
    prefetch.Start(random, m_pictures, rules);
    ASSERT_TRUE(QSignalSpy(&prefetch, &PicturePrefetch::ready).wait(10000));
    random.Draw();
    PlayRandom expected = random;
    EXPECT_FALSE(prefetch.TakeReady(random, rules)) << "a pick from the old state was taken";
    ExpectSamePick(TakeWhenReady(prefetch, random, rules), FreshPick(expected, m_entries, rules));
    EXPECT_EQ(random, expected);

    // The parent's colours or the screen changed.
    for (const PickRules changed : {PickRules{.randomColors = true, .screen = kPrefetchScreen},
                                    PickRules{.randomColors = false, .screen = {40, 30}}}) {
        prefetch.Start(random, m_pictures, rules);
        expected = random;
        const PicturePick got = TakeWhenReady(prefetch, random, changed);
        ExpectSamePick(got, FreshPick(expected, m_entries, changed));
        EXPECT_EQ(random, expected);
        EXPECT_EQ(got.colors.has_value(), changed.randomColors);
    }
}

// The parent replaces the picture after the worker read it: it is read again,
// once; a file that keeps changing is shown as read the second time.
TEST_F(PicturePrefetchTest, APictureReplacedAfterItsPrefetchIsReadAgainOnce)
{
    const std::string dir = m_library.AddGroup("Only");
    PlayLibrary::SavePicture(dir, "one.png", PlayLibrary::Filled(20, 20, Qt::red));
    const auto onePicture = std::make_shared<const std::vector<DeckEntry>>(std::vector{DeckEntry{
        .picturePath = JoinPath(dir, "one.png"), .ownSoundPath = {}, .cutToDisplay = false}});
    const PickRules rules{.randomColors = false, .screen = kPrefetchScreen};
    PicturePrefetch prefetch(m_cache);
    QSignalSpy ready(&prefetch, &PicturePrefetch::ready);
    PlayRandom random;
    random.Seed(3);
    prefetch.Start(random, onePicture, rules);
    ASSERT_TRUE(ready.wait(10000));
    // Later than the read, also on a file system that keeps whole seconds.
    const auto replace = [&](int size, Qt::GlobalColor colour) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PlayLibrary::SavePicture(dir, "one.png", PlayLibrary::Filled(size, size, colour));
    };
    replace(30, Qt::blue);
    EXPECT_FALSE(prefetch.TakeReady(random, rules)) << "the red picture was shown";
    ASSERT_TRUE(ready.wait(10000));
    replace(40, Qt::green);
    const std::optional<PicturePick> pick = prefetch.TakeReady(random, rules);
    ASSERT_TRUE(pick) << "a file that keeps changing was read a third time";
    ASSERT_TRUE(pick->image);
    EXPECT_EQ(pick->image->Width(), 30);
    EXPECT_EQ(pick->image->PixelAt(0, 0), 0xFF0000u) << "blue, as 0x00BBGGRR";
}

// Once the next pick is ready, the pictures of the picks after it are made
// ready too, within half the cache.
TEST_F(PicturePrefetchTest, ThePicturesOfTheNextKeysAreMadeReadyAhead)
{
    const PickRules rules{.randomColors = true, .screen = kPrefetchScreen, .defaultSoundCount = 2};
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        PictureCache cache(PicturePrefetch::kCacheBudgetBytes);
        PicturePrefetch prefetch(cache);
        PlayRandom random;
        random.Seed(seed);
        prefetch.Start(random, m_pictures, rules);

        std::map<int, qint64> ahead; // index -> bytes of its picture
        for (int pick = 0; pick <= PicturePrefetch::kLookAheadPicks; ++pick) {
            const PicturePick next = FreshPick(random, m_entries, rules);
            if (!next.image)
                continue;
            ahead[next.index] = next.image->HeldBytes();
            DrawDefaultSound(random, m_entries[next.index], rules.defaultSoundCount);
        }
        qint64 wanted = 0;
        for (const auto& [index, bytes] : ahead)
            wanted += bytes;
        EXPECT_TRUE(QTest::qWaitFor([&] { return cache.HeldBytes() >= wanted; }));
        prefetch.Cancel();
        EXPECT_EQ(cache.HeldBytes(), 0);
    }
}

// An abandoned pick is never announced nor taken, and a prefetch destroyed
// while its worker decodes waits for it (the sanitizers would catch a worker
// that outlives it).
TEST_F(PicturePrefetchTest, ACancelledPickIsDropped)
{
    const PickRules rules{.randomColors = false, .screen = kPrefetchScreen};
    PlayRandom random;
    random.Seed(9);
    {
        PicturePrefetch prefetch(m_cache);
        QSignalSpy ready(&prefetch, &PicturePrefetch::ready);
        prefetch.Start(random, m_pictures, rules);
        prefetch.Cancel();

        // The same pick again: at most its own announcement comes (none when it was ready
        // before it was asked for), whether the abandoned worker had begun or not.
        PlayRandom expected = random;
        prefetch.Start(random, m_pictures, rules);
        ExpectSamePick(TakeWhenReady(prefetch, random, rules),
                       FreshPick(expected, m_entries, rules));
        QCoreApplication::sendPostedEvents(&prefetch);
        EXPECT_LE(ready.count(), 1);
        prefetch.Start(random, m_pictures, rules); // still decoding when destroyed
    }
}

} // namespace
