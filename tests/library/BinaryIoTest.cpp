// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/BinaryIo.h"

#include "tests/support/AllocationProbe.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

namespace {

// Reads one counted string; nullopt when the read fails, which must then
// leave the reader where it was.
std::optional<std::string> ReadOne(std::string_view bytes)
{
    BinaryReader reader(bytes);
    std::string text = "untouched";
    if (!reader.ReadCountedString(text)) {
        EXPECT_EQ(text, "untouched");
        EXPECT_EQ(reader.Remaining(), bytes.size());
        return std::nullopt;
    }
    return text;
}

TEST(BinaryIoTest, WriterPicksTheLengthFormAtEachBoundary)
{
    const struct
    {
        std::size_t length;
        std::string prefix;
    } cases[] = {
        {0, Bytes({0x00})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        BinaryWriter writer;
        writer.WriteCountedString(text);
        EXPECT_EQ(writer.Bytes(), c.prefix + text) << "length " << c.length;

        BinaryReader reader(writer.Bytes());
        std::string read;
        EXPECT_TRUE(reader.ReadCountedString(read)) << "length " << c.length;
        EXPECT_EQ(read, text) << "length " << c.length;
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(BinaryIoTest, ReaderTakesLongerFormsThanNeeded)
{
    EXPECT_EQ(ReadOne(Bytes({0xFF, 0x03, 0x00}) + "abc"), "abc");
    EXPECT_EQ(ReadOne(Bytes({0xFF, 0xFF, 0xFF, 0x03, 0x00, 0x00, 0x00}) + "abc"), "abc");
    const std::string form64 = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(ReadOne(form64 + Bytes({3, 0, 0, 0, 0, 0, 0, 0}) + "abc"), "abc");
}

TEST(BinaryIoTest, SixtyFourBitLengthMustStayBelowTwoToThe31)
{
    const std::string form64 = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    const std::string text(16, 't');
    EXPECT_EQ(ReadOne(form64 + Bytes({0, 0, 0, 0x80, 0, 0, 0, 0}) + text), std::nullopt);
    EXPECT_EQ(ReadOne(form64 + Bytes({0, 0, 0, 0, 1, 0, 0, 0}) + text), std::nullopt);
    EXPECT_EQ(ReadOne(form64 + Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}) + text), std::nullopt);
}

TEST(BinaryIoTest, WideTextIsConvertedToUtf8)
{
    const std::string tag = Bytes({0xFF, 0xFE, 0xFF});
    EXPECT_EQ(ReadOne(tag + Bytes({2, 'h', 0, 'i', 0})), "hi");
    EXPECT_EQ(ReadOne(tag + Bytes({1, 0xE9, 0x00})), "\xc3\xa9");
    EXPECT_EQ(ReadOne(tag + Bytes({2, 0x3D, 0xD8, 0x00, 0xDE})), "\xf0\x9f\x98\x80");
    EXPECT_EQ(ReadOne(tag + Bytes({0xFF, 0x01, 0x00, 'w', 0})), "w");
    EXPECT_EQ(ReadOne(tag + Bytes({0})), "");

    EXPECT_EQ(ReadOne(tag + Bytes({2, 'h', 0, 'i'})), std::nullopt);
    EXPECT_EQ(ReadOne(tag + tag + Bytes({1, 'h', 0})), std::nullopt);
}

TEST(BinaryIoTest, TextEndsAtItsFirstZeroByteButTheWholeLengthIsConsumed)
{
    const std::string bytes =
        Bytes({5, 'a', 'b', 0, 'c', 'd', 1, 'z', 0xFF, 0xFE, 0xFF, 3, 'x', 0, 0, 0, 'y', 0});
    BinaryReader reader(bytes);
    std::string text;
    ASSERT_TRUE(reader.ReadCountedString(text));
    EXPECT_EQ(text, "ab");
    ASSERT_TRUE(reader.ReadCountedString(text));
    EXPECT_EQ(text, "z");
    ASSERT_TRUE(reader.ReadCountedString(text));
    EXPECT_EQ(text, "x");
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(BinaryIoTest, CutShortStringFailsAtEveryOffset)
{
    for (const std::size_t length : {std::size_t{3}, std::size_t{300}, std::size_t{70000}}) {
        BinaryWriter writer;
        writer.WriteCountedString(std::string(length, 'q'));
        const std::string& whole = writer.Bytes();
        for (std::size_t cut = 0; cut < whole.size(); ++cut) {
            // Every offset inside the length bytes, a sample of the text.
            if (cut > 16 && cut + 16 < whole.size() && cut % 997 != 0)
                continue;
            EXPECT_EQ(ReadOne(std::string_view(whole).substr(0, cut)), std::nullopt)
                << "length " << length << " cut at " << cut;
        }
    }
}

TEST(BinaryIoTest, HugeClaimedLengthFailsWithoutReservingIt)
{
    const AllocationProbe probe;
    // About 4 GiB claimed by the 32-bit form, then by the wide form.
    EXPECT_EQ(ReadOne(Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'a', 'b'})), std::nullopt);
    EXPECT_EQ(ReadOne(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F,
                             'a', 0})),
              std::nullopt);
    EXPECT_LT(probe.Largest(), 4096u);
}

TEST(BinaryIoTest, Int32IsLittleEndianAndSigned)
{
    BinaryWriter writer;
    writer.WriteInt32(-2);
    writer.WriteInt32(0x12345678);
    EXPECT_EQ(writer.Bytes(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));

    const std::string bytes = writer.Bytes() + Bytes({1, 2, 3});
    BinaryReader reader(bytes);
    std::int32_t value = 0;
    ASSERT_TRUE(reader.ReadInt32(value));
    EXPECT_EQ(value, -2);
    ASSERT_TRUE(reader.ReadInt32(value));
    EXPECT_EQ(value, 0x12345678);
    EXPECT_FALSE(reader.ReadInt32(value));
    EXPECT_EQ(value, 0x12345678);
    EXPECT_EQ(reader.Remaining(), 3u);
}

} // namespace
