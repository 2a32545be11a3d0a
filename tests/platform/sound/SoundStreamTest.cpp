// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundStream.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

QByteArray ReadAll(SoundStream& stream, qsizetype chunk)
{
    QByteArray all;
    QByteArray buffer(chunk, '\0');
    while (const qsizetype read = stream.Read(buffer.data(), chunk))
        all += buffer.left(read);
    return all;
}

TEST(SoundStream, ReadsPiecesInOrderAcrossTheirSeamsWithoutWaiting)
{
    SoundStream stream(100);
    char buffer[4];
    EXPECT_EQ(stream.Read(buffer, 4), 0); // nothing yet, and no waiting
    EXPECT_FALSE(stream.AtEnd());
    ASSERT_TRUE(stream.Append("abc", {}));
    ASSERT_TRUE(stream.Append("", {}));
    ASSERT_TRUE(stream.Append("defgh", {}));
    EXPECT_EQ(stream.UnreadBytes(), 8);
    EXPECT_EQ(ReadAll(stream, 3), "abcdefgh");
    EXPECT_FALSE(stream.AtEnd()); // its decoder may still append
    stream.Finish();
    EXPECT_TRUE(stream.AtEnd());

    const auto whole = SoundStream::Whole("whole sound");
    EXPECT_EQ(ReadAll(*whole, 4), "whole sound");
    EXPECT_TRUE(whole->AtEnd());
}

// The decoder waits while the stream holds more than its bound and goes on
// as the output reads; the output hears of every piece and of the finish.
TEST(SoundStream, HoldsTheDecoderBackUntilTheOutputReads)
{
    SoundStream stream(4);
    std::atomic<int> appended = 0;
    std::atomic<int> heard = 0;
    stream.SetDataListener([&heard] { ++heard; });
    std::thread decoder([&] {
        for (int piece = 0; piece < 10; ++piece) {
            ASSERT_TRUE(stream.Append("xy", {}));
            ++appended;
        }
        stream.Finish();
    });
    // With 6 bytes unread, over the bound of 4, the fourth piece waits.
    while (appended < 3)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(appended, 3);

    QByteArray all;
    while (!stream.AtEnd())
        all += ReadAll(stream, 3);
    decoder.join();
    EXPECT_EQ(all, QByteArray("xy").repeated(10));
    EXPECT_EQ(heard, 11);
}

TEST(SoundStream, AWaitingDecoderGivesUpWhenAbandonedOrStopped)
{
    for (const bool abandon : {true, false}) {
        SoundStream stream(0);
        std::stop_source stop;
        ASSERT_TRUE(stream.Append("a", stop.get_token()));
        std::atomic<bool> result = true;
        std::thread decoder([&] { result = stream.Append("b", stop.get_token()); });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (abandon)
            stream.Abandon();
        else
            stop.request_stop();
        decoder.join();
        EXPECT_FALSE(result) << abandon;
        char buffer[2];
        EXPECT_EQ(stream.Read(buffer, 2), abandon ? 0 : 1);
    }
}

} // namespace
