#include "platform/files/FileIo.h"

#include "tests/support/AllocationProbe.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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

// Lowers the file size limit, so that writing more fails the way a full disk does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
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

TEST_F(FileIoTest, WriteFailsWhereNoFileCanBe)
{
    m_library.MakeDir("dir/taken.ini/inside");
    m_library.WriteFile("plain");

    EXPECT_FALSE(WriteFileAtomically(m_library.PathOf("dir/taken.ini"), "bytes"));
    EXPECT_FALSE(WriteFileAtomically(m_library.PathOf("missing/target.ini"), "bytes"));
    EXPECT_FALSE(WriteFileAtomically(m_library.PathOf("plain/target.ini"), "bytes"));

    ExpectOnlyEntry("dir", "taken.ini");
    ExpectOnlyEntry("dir/taken.ini", "inside");
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
