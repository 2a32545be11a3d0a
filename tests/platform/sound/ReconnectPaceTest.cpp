// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/ReconnectPace.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Clock = ReconnectPace::Clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

// Times as milliseconds from an arbitrary start.
Clock::time_point At(int ms)
{
    return Clock::time_point(milliseconds(ms));
}

struct PaceCase
{
    const char* what;
    std::optional<int> lastLook;
    std::optional<int> lastSound;
    std::optional<int> due; // when the next look is due; none when none is
};

TEST(ReconnectPace, LooksOnceASecondWhileSoundsAreWantedAndNeverAfterAQuietMinute)
{
    constexpr int kMinute = 60'000;
    const PaceCase cases[] = {
        {"nothing asked yet", std::nullopt, std::nullopt, std::nullopt},
        {"looked, no sound asked since the start", 0, std::nullopt, std::nullopt},
        {"a first sound, never looked", std::nullopt, 5'000, 5'000},
        {"a sound soon after a look waits for the second", 10'000, 10'200, 11'000},
        {"a sound after a quiet spell is due at once (in the past)", 0, 90'000, 1'000},
        {"looks go on within a minute of the last sound", 50'000, 10'500, 51'000},
        {"the last look within the minute", 10'500 + kMinute - 1'000, 10'500, 10'500 + kMinute},
        {"none after a quiet minute", 10'500 + kMinute, 10'500, std::nullopt},
    };
    for (const PaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        ReconnectPace pace;
        if (c.lastLook)
            pace.Looked(At(*c.lastLook));
        if (c.lastSound)
            pace.SoundAsked(At(*c.lastSound));
        const std::optional<Clock::time_point> due = pace.NextLook();
        ASSERT_EQ(due.has_value(), c.due.has_value());
        if (due) {
            EXPECT_EQ(*due, At(*c.due));
        }
    }
}

// A child at play: a sound every 150 ms for ten seconds, each look made when
// due. Looks come once a second, the first at the first sound, and stop a
// minute after the last sound.
TEST(ReconnectPace, AChildAtPlayCausesALookASecondAndSilenceEndsThem)
{
    ReconnectPace pace;
    pace.Looked(At(0)); // the start's own look
    int looks = 0;
    std::optional<int> lastLookMs;
    for (int ms = 100'000; ms <= 200'000; ms += 50) {
        if (ms <= 110'000 && ms % 150 == 100)
            pace.SoundAsked(At(ms));
        const std::optional<Clock::time_point> due = pace.NextLook();
        if (due && *due <= At(ms)) {
            pace.Looked(At(ms));
            if (lastLookMs) {
                EXPECT_GE(ms - *lastLookMs, 1'000);
            }
            lastLookMs = ms;
            ++looks;
        }
    }
    // Looks at 100 s, 101 s, ... up to a minute after the last sound (109.9 s).
    EXPECT_EQ(looks, 70);
    ASSERT_TRUE(lastLookMs.has_value());
    EXPECT_LE(*lastLookMs, 109'900 + 60'000);
    EXPECT_GT(*lastLookMs, 109'900 + 59'000);
}

} // namespace
