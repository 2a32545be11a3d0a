// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileFacts.h"

#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FileFacts, KindsSizesAndLinks)
{
    const TempLibrary library;
    const std::string file = library.WriteFile("a.wav", "12345");
    const std::string dir = library.MakeDir("Group");
    const std::string link = library.MakeSymlink("link.wav", file);
    const std::string dangling = library.MakeSymlink("gone.wav", library.PathOf("missing.wav"));

    ASSERT_TRUE(FileFactsOf(file));
    EXPECT_EQ(FileFactsOf(file)->kind, FileKind::Regular);
    EXPECT_EQ(FileFactsOf(file)->size, 5u);
    EXPECT_EQ(FileFactsOf(dir)->kind, FileKind::Directory);
    EXPECT_EQ(FileFactsOf(link)->kind, FileKind::Regular); // followed
    EXPECT_EQ(EntryFactsOf(link)->kind, FileKind::SymbolicLink);

    EXPECT_FALSE(FileFactsOf(dangling));
    EXPECT_TRUE(PathExists(dangling)); // the link itself is there
    EXPECT_FALSE(PathExists(library.PathOf("missing.wav")));
    EXPECT_TRUE(IsRegularFile(link));
    EXPECT_FALSE(IsRegularFile(dir));
    EXPECT_EQ(FileSizeOf(file), 5u);
    EXPECT_FALSE(FileSizeOf(library.PathOf("missing.wav")));
}

TEST(FileFacts, OnlyRegularFilesAreOpenedAndAPipeNeverWaits)
{
    const TempLibrary library;
    const std::string pipe = library.PathOf("pipe.jpg");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string file = library.WriteFile("picture.jpg", "abc");

    EXPECT_FALSE(OpenRegularFile(pipe).IsOpen()); // returns at once, with no writer
    EXPECT_FALSE(OpenRegularFile(library.MakeDir("folder.jpg")).IsOpen());
    EXPECT_FALSE(OpenRegularFile(library.PathOf("missing.jpg")).IsOpen());

    FileFacts facts;
    FileDescriptor opened = OpenRegularFile(file, &facts);
    ASSERT_TRUE(opened.IsOpen());
    EXPECT_EQ(facts.size, 3u);
    char bytes[4] = {};
    EXPECT_EQ(read(opened.Get(), bytes, sizeof bytes), 3);
    EXPECT_STREQ(bytes, "abc");

    FileDescriptor moved = std::move(opened);
    EXPECT_FALSE(opened.IsOpen());
    EXPECT_TRUE(moved.Close());
    EXPECT_FALSE(moved.IsOpen());
}

TEST(FileFacts, TheVersionChangesWithTheContentAndTheTime)
{
    const TempLibrary library;
    const std::string file = library.WriteFile("a.png", "one");
    const std::string first = FileVersionOf(file);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(FileVersionOf(file), first);

    const timespec times[2] = {{0, UTIME_OMIT}, {12345, 678}};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_NE(FileVersionOf(file), first);
    EXPECT_EQ(FileFactsOf(file)->modifiedNs, 12345'000'000'678);
    const std::string touched = FileVersionOf(file);
    library.WriteFile("a.png", "three");
    EXPECT_NE(FileVersionOf(file), touched);
    EXPECT_EQ(FileVersionOf(library.PathOf("missing.png")), "");
}
