// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmFile.h"
#include "tests/support/HelpFileMaker.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>

namespace {

class ChmFileTest : public ::testing::Test
{
protected:
    // The bytes of the sample help file with `change` applied, as a new file.
    template <class Change> std::string DamagedCopy(std::string_view name, Change change)
    {
        std::string bytes = library.ReadFile("sample.chm");
        change(bytes);
        return library.WriteFile(name, bytes);
    }

    // The 32-bit fields of the LZX compression header after its signature "LZXC".
    enum CompressionField { kVersion, kResetInterval, kWindowSize, kWindowsPerReset };

    static void SetCompressionField(std::string& bytes, CompressionField field, std::uint32_t value)
    {
        const std::size_t signature = bytes.find("LZXC");
        ASSERT_NE(signature, std::string::npos);
        std::memcpy(bytes.data() + signature + 4 + 4 * field, &value, sizeof value);
    }

    // The reset table of the compressed section starts with its version 2, the block count, the
    // entry size 8 and the table's offset 40; its 64-bit block length follows at byte 32.
    static void SetCompressedBlockLength(std::string& bytes, std::uint64_t value)
    {
        const std::size_t sizes = bytes.find(std::string("\x08\0\0\0\x28\0\0\0", 8));
        ASSERT_NE(sizes, std::string::npos);
        ASSERT_GE(sizes, 8u);
        ASSERT_EQ(bytes.substr(sizes - 8, 4), std::string("\x02\0\0\0", 4));
        std::memcpy(bytes.data() + sizes - 8 + 32, &value, sizeof value);
    }

    TempLibrary library;
    const std::string path = CompileHelpFile(library, "sample.chm", SampleHelpSources(), "Tests");
};

TEST_F(ChmFileTest, ReadsTopicsFromTheCompressedSectionIgnoringLetterCase)
{
    // chmcmd compresses the pages with LZX, as every help compiler does.
    ASSERT_NE(library.ReadFile("sample.chm").find("LZXC"), std::string::npos);
    const auto file = ChmFile::Open(path);
    ASSERT_NE(file, nullptr);

    const std::optional<std::string> index = file->Read("/index.html");
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(*index, SampleHelpSources()[0].bytes);
    EXPECT_EQ(file->Read("/INDEX.HTML"), index);
    EXPECT_EQ(file->Read("/sub/page.html"), SampleHelpSources()[2].bytes);
    EXPECT_TRUE(file->Holds("/Red.PNG"));
    // Asked for less, the file gives the start of an object.
    const std::string page = SampleHelpSources()[1].bytes;
    for (const std::size_t maxBytes :
         {std::size_t{0}, std::size_t{10}, page.size(), page.size() + 1})
        EXPECT_EQ(file->Read("/Faq.html", maxBytes), page.substr(0, maxBytes)) << maxBytes;

    EXPECT_FALSE(file->Holds("/missing.html"));
    EXPECT_EQ(file->Read("/missing.html"), std::nullopt);
    EXPECT_FALSE(file->Holds("/sub/")) << "a folder is no topic";
    EXPECT_FALSE(file->Holds("/"));
    EXPECT_FALSE(file->Holds(""));
    EXPECT_FALSE(file->Holds(std::string("/index.html\0x", 13)));
    EXPECT_FALSE(file->Holds("/" + std::string(600, 'a')));
}

TEST_F(ChmFileTest, TellsItsTitleDefaultTopicAndContentsFile)
{
    const auto file = ChmFile::Open(path);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Title(), "Tests");
    EXPECT_EQ(file->DefaultTopic(), "index.html");
    EXPECT_EQ(file->ContentsFile(), "/toc.hhc");
    EXPECT_TRUE(file->Holds(file->ContentsFile()));
}

TEST_F(ChmFileTest, MissingEmptyAndForeignFilesAreRefused)
{
    EXPECT_EQ(ChmFile::Open(library.PathOf("none.chm")), nullptr);
    EXPECT_EQ(ChmFile::Open(library.WriteFile("empty.chm")), nullptr);
    EXPECT_EQ(ChmFile::Open(library.WriteFile("text.chm", "ITSF but not really")), nullptr);
    EXPECT_EQ(ChmFile::Open(library.MakeDir("folder.chm")), nullptr);
}

TEST_F(ChmFileTest, DamagedCompressionHeadersThatWouldCrashChmlibAreRefused)
{
    // chmlib divides by the window size and by the windows per reset; either at 0 would end
    // the program if the file were opened here.
    const std::string zeroWindow = DamagedCopy(
        "zero-window.chm", [](std::string& b) { SetCompressionField(b, kWindowSize, 0); });
    const std::string zeroWindows = DamagedCopy(
        "zero-windows.chm", [](std::string& b) { SetCompressionField(b, kWindowsPerReset, 0); });
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(ChmFile::Open(zeroWindow), nullptr);
        EXPECT_EQ(ChmFile::Open(zeroWindows), nullptr);
    }
    EXPECT_NE(ChmFile::Open(path), nullptr);
}

TEST_F(ChmFileTest, CompressedBlocksClaimingHugeSizesAreRefused)
{
    // chmlib would reserve that much memory for each block it keeps expanded.
    const std::string huge = DamagedCopy(
        "huge-blocks.chm", [](std::string& b) { SetCompressedBlockLength(b, 1u << 30); });
    EXPECT_EQ(ChmFile::Open(huge), nullptr);
    const std::string doubled = DamagedCopy(
        "doubled-blocks.chm", [](std::string& b) { SetCompressedBlockLength(b, 0x10000); });
    EXPECT_NE(ChmFile::Open(doubled), nullptr) << "a block of 64 KiB is still fine";
}

// Whatever chmlib makes of a damaged file that it opens, reading it must not end the program.
TEST_F(ChmFileTest, TruncatedAndScrambledFilesAreRefusedOrReadSafely)
{
    const std::string whole = library.ReadFile("sample.chm");
    std::mt19937 random(20240607);
    int refused = 0;
    int opened = 0;
    for (int variant = 0; variant < 40; ++variant) {
        const std::string name = "damaged" + std::to_string(variant) + ".chm";
        const std::string damaged = DamagedCopy(name, [&](std::string& bytes) {
            if (variant % 4 == 0) {
                bytes.resize(random() % whole.size());
                return;
            }
            for (int flip = 0; flip < 6; ++flip)
                bytes[random() % bytes.size()] = static_cast<char>(random());
        });
        const auto file = ChmFile::Open(damaged);
        if (!file) {
            ++refused;
            continue;
        }
        ++opened;
        for (const char* object : {"/index.html", "/Faq.html", "/sub/page.html", "/red.png"}) {
            const std::optional<std::string> bytes = file->Read(object);
            EXPECT_LE(bytes.value_or("").size(), whole.size() * 64) << "variant " << variant;
        }
        (void)file->Read(file->ContentsFile());
    }
    // Both kinds of outcome were met, so both ways through were tried.
    EXPECT_GT(refused, 0);
    EXPECT_GT(opened, 0);
}

} // namespace
