// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileIo.h"

#include "tests/support/AllocationProbe.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class FileIoTest : public ::testing::Test
{
protected:
    // Only the target itself may be left in its directory.
    void ExpectOnlyEntry(std::string_view dir, const std::string& name) const
    {
        EXPECT_EQ(m_library.ListingOrder(dir), std::vector<std::string>{name});
    }

    TempLibrary m_library;
};

TEST_F(FileIoTest, ReadFilePrefixReadsUpToTheLimit)
{
    const std::string path = m_library.WriteFile("data.bin", std::string("ab\0cdef", 7));

    EXPECT_EQ(ReadFilePrefix(path, 100), std::string("ab\0cdef", 7));
    EXPECT_EQ(ReadFilePrefix(path, 7), std::string("ab\0cdef", 7));
    EXPECT_EQ(ReadFilePrefix(path, 3), std::string("ab\0", 3));
    EXPECT_EQ(ReadFilePrefix(path, 0), "");
    EXPECT_EQ(ReadFilePrefix(m_library.WriteFile("empty.bin"), 100), "");
}

TEST_F(FileIoTest, ReadFilePrefixRefusesWhatIsNoReadableFile)
{
    m_library.MakeDir("folder.ini");
    const std::string pipe = m_library.PathOf("pipe.ini");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);

    EXPECT_EQ(ReadFilePrefix(m_library.PathOf("missing.ini"), 100), std::nullopt);
    EXPECT_EQ(ReadFilePrefix(m_library.PathOf("folder.ini"), 100), std::nullopt);
    EXPECT_EQ(ReadFilePrefix(pipe, 100), std::nullopt); // and does not wait for a writer
}

TEST_F(FileIoTest, ReadFilePrefixReservesNoMoreThanTheFileHolds)
{
    const std::string path = m_library.WriteFile("small.bin", "0123456789");
    const AllocationProbe probe;
    EXPECT_EQ(ReadFilePrefix(path, std::uint64_t{1} << 40), "0123456789");
    EXPECT_LT(probe.Largest(), 4096u);
}

TEST_F(FileIoTest, WriteCreatesOrReplacesTheWholeFile)
{
    const std::string path = m_library.PathOf("dir/target.ini");
    m_library.MakeDir("dir");

    ASSERT_TRUE(WriteFileAtomically(path, std::string("first\0long contents", 19)));
    EXPECT_EQ(m_library.ReadFile("dir/target.ini"), std::string("first\0long contents", 19));
    ASSERT_TRUE(WriteFileAtomically(path, "short"));
    EXPECT_EQ(m_library.ReadFile("dir/target.ini"), "short");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(m_library.ReadFile("dir/target.ini"), "");
    ExpectOnlyEntry("dir", "target.ini");
}

TEST_F(FileIoTest, ReplacementKeepsThePermissionsOfTheOldFile)
{
    const std::string path = m_library.WriteFile("target.ini", "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);

    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    struct stat status = {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(FileIoTest, FailedWriteLeavesTheOldFileWhole)
{
    const std::string old(1000, 'o');
    const std::string path = m_library.WriteFile("dir/target.ini", old);
    {
        const FileSizeLimit limit(100);
        EXPECT_FALSE(WriteFileAtomically(path, std::string(5000, 'n')));
    }
    EXPECT_EQ(m_library.ReadFile("dir/target.ini"), old);
    ExpectOnlyEntry("dir", "target.ini");
}

TEST_F(FileIoTest, WriteFailsWhereNoFileCanBeAndTellsThePathAndTheReason)
{
    m_library.MakeDir("dir/taken.ini/inside");
    m_library.WriteFile("plain");
    const std::string source = m_library.WriteFile("source.png", "picture");
    const struct
    {
        FileResult result;
        std::string path;
        std::string reason;
    } cases[] = {
        {WriteFileAtomically(m_library.PathOf("dir/taken.ini"), "bytes"),
         m_library.PathOf("dir/taken.ini"), "Is a directory"},
        {WriteFileAtomically(m_library.PathOf("missing/target.ini"), "bytes"),
         m_library.PathOf("missing/target.ini"), "No such file or directory"},
        {WriteFileAtomically(m_library.PathOf("plain/target.ini"), "bytes"),
         m_library.PathOf("plain/target.ini"), "Not a directory"},
        {CopyFileAtomically(m_library.PathOf("gone.png"), m_library.PathOf("copy.png")),
         m_library.PathOf("gone.png"), "No such file or directory"},
        {CopyFileAtomically(source, m_library.PathOf("missing/copy.png")),
         m_library.PathOf("missing/copy.png"), "No such file or directory"},
        {RemoveFile(m_library.PathOf("gone.png")), m_library.PathOf("gone.png"),
         "No such file or directory"},
    };
    for (const auto& [result, path, reason] : cases) {
        EXPECT_FALSE(result) << path;
        EXPECT_EQ(result.Path(), path);
        EXPECT_EQ(result.Reason(), reason) << path;
    }
    const FileSizeLimit full(0);
    const FileResult tooLarge = CopyFileAtomically(source, m_library.PathOf("copy.png"));
    EXPECT_EQ(tooLarge.Path(), m_library.PathOf("copy.png"));
    EXPECT_EQ(tooLarge.Reason(), "File too large");

    ExpectOnlyEntry("dir", "taken.ini");
    ExpectOnlyEntry("dir/taken.ini", "inside");
    EXPECT_EQ(m_library.ListingOrder().size(), 3u); // dir, plain and source.png
}

TEST_F(FileIoTest, EveryNameTheFileSystemAllowsIsWrittenAndCopied)
{
    std::string cjk; // 85 characters of three bytes
    for (int i = 0; i < 85; ++i)
        cjk += "\xE5\x90\x8D";
    const std::string source = m_library.WriteFile("source.wav", "sound");
    m_library.MakeDir("w");
    m_library.MakeDir("c");
    for (const std::string& name : {std::string(251, 'n') + ".png", cjk}) {
        ASSERT_EQ(name.size(), 255u);
        EXPECT_TRUE(WriteFileAtomically(m_library.PathOf("w/") + name, "written"));
        EXPECT_TRUE(CopyFileAtomically(source, m_library.PathOf("c/") + name));
        EXPECT_EQ(m_library.ReadFile("c/" + name), "sound");
    }
    EXPECT_EQ(m_library.ListingOrder("w").size(), 2u);
    EXPECT_EQ(m_library.ListingOrder("c").size(), 2u);
}

TEST_F(FileIoTest, OnlyTheTemporariesOfAGoneSessionAreRemoved)
{
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_GT(gone, 0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string goneName = ".tapnest-" + std::to_string(gone) + "-3.tmp";
    const std::string liveName = ".tapnest-" + std::to_string(getpid()) + "-1.tmp";
    m_library.WriteFile("g/" + goneName, "half a copy");
    m_library.WriteFile("g/" + liveName, "being written");
    m_library.WriteFile("g/.tapnest-notes.tmp", "the parent's");
    m_library.WriteFile("g/.tapnest-" + std::to_string(gone) + "-x.tmp", "the parent's");
    m_library.WriteFile("g/tapnest-" + std::to_string(gone) + "-3.tmp", "the parent's");
    m_library.MakeDir("g/.tapnest-" + std::to_string(gone) + "-4.tmp");

    RemoveLeftoverTemporaries(m_library.PathOf("g"));
    const std::vector<std::string> left = m_library.ListingOrder("g");
    EXPECT_EQ(left.size(), 5u);
    EXPECT_EQ(std::count(left.begin(), left.end(), goneName), 0);
    EXPECT_EQ(std::count(left.begin(), left.end(), liveName), 1);
}

TEST_F(FileIoTest, AFileNobodyMayWriteIsReadOnly)
{
    const std::string path = m_library.WriteFile("Kipo.ini", "kept");
    const struct
    {
        mode_t mode;
        bool readOnly;
    } cases[] = {{0444, true}, {0400, true}, {0644, false}, {0600, false}, {0464, false}};
    for (const auto& [mode, readOnly] : cases) {
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        EXPECT_EQ(IsReadOnlyFile(path), readOnly) << std::oct << mode;
    }
    EXPECT_FALSE(IsReadOnlyFile(m_library.PathOf("missing.ini")));
    EXPECT_FALSE(IsReadOnlyFile(m_library.MakeDir("folder")));
}

} // namespace

TEST_F(FileIoTest, CopyReplacesTheTargetByteForByteAndReportsProgress)
{
    const std::string bytes = std::string(3 << 20, 'x') + std::string("\0tail", 5);
    const std::string source = m_library.WriteFile("in/source.bin", bytes);
    const std::string target = m_library.WriteFile("out/target.bin", "old");
    std::vector<std::uint64_t> progress;
    ASSERT_TRUE(
        CopyFileAtomically(source, target, [&](std::uint64_t n) { progress.push_back(n); }));
    EXPECT_EQ(m_library.ReadFile("out/target.bin"), bytes);
    ExpectOnlyEntry("out", "target.bin");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), bytes.size());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
}

TEST_F(FileIoTest, FailedCopyLeavesTheTargetAndNoTemporaryFile)
{
    const std::string target = m_library.WriteFile("out/target.bin", "old");
    EXPECT_FALSE(CopyFileAtomically(m_library.PathOf("missing.bin"), target));
    EXPECT_FALSE(CopyFileAtomically(m_library.MakeDir("a-folder"), target));
    const std::string source = m_library.WriteFile("in/big.bin", std::string(1 << 20, 'y'));
    {
        const FileSizeLimit limit(4096);
        EXPECT_FALSE(CopyFileAtomically(source, target));
    }
    EXPECT_EQ(m_library.ReadFile("out/target.bin"), "old");
    ExpectOnlyEntry("out", "target.bin");
}

TEST_F(FileIoTest, CopyOverALinkAndRemovingALinkLeaveItsTargetAlone)
{
    const std::string outside = m_library.WriteFile("outside/keep.txt", "keep");
    m_library.MakeDir("group");
    const std::string link = m_library.MakeSymlink("group/link.wav", outside);
    const std::string source = m_library.WriteFile("in/new.wav", "new");
    ASSERT_TRUE(CopyFileAtomically(source, link));
    EXPECT_EQ(m_library.ReadFile("group/link.wav"), "new");
    EXPECT_EQ(m_library.ReadFile("outside/keep.txt"), "keep");

    const std::string second = m_library.MakeSymlink("group/second.wav", outside);
    EXPECT_TRUE(RemoveFile(second));
    EXPECT_EQ(m_library.ReadFile("outside/keep.txt"), "keep");
    EXPECT_FALSE(RemoveFile(second));
}
