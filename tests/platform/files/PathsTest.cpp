// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Paths.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(PathsTest, JoinPathPutsExactlyOneSlashBetween)
{
    EXPECT_EQ(JoinPath("/games/play", "Kipo.ini"), "/games/play/Kipo.ini");
    EXPECT_EQ(JoinPath("/games/play/", "Kipo.ini"), "/games/play/Kipo.ini");
    EXPECT_EQ(JoinPath("/games/play", "/Kipo.ini"), "/games/play/Kipo.ini");
    EXPECT_EQ(JoinPath("/lib", "\xff\xfe.bmp"), "/lib/\xff\xfe.bmp");
}

TEST(PathsTest, DirectoryOfCutsBeforeTheLastSlash)
{
    EXPECT_EQ(DirectoryOf("/games/play/prog"), "/games/play");
    EXPECT_EQ(DirectoryOf("/games/play/"), "/games/play");
    EXPECT_EQ(DirectoryOf("prog"), ".");
    // A program in the root: its directory joins back to root paths.
    EXPECT_EQ(DirectoryOf("/prog"), "");
    EXPECT_EQ(JoinPath(DirectoryOf("/prog"), "Kipo.ini"), "/Kipo.ini");
}

TEST(PathsTest, FileNameIsWhatFollowsTheLastSlash)
{
    EXPECT_EQ(FileNameOf("/games/play/cat.jpg"), "cat.jpg");
    EXPECT_EQ(FileNameOf("cat.jpg"), "cat.jpg");
    EXPECT_EQ(FileNameOf("/games/play/"), "");
}

TEST(PathsTest, ExtensionIsWhatFollowsTheLastDot)
{
    EXPECT_EQ(ExtensionOf("cat.jpeg"), "jpeg");
    EXPECT_EQ(ExtensionOf("archive.tar.GZ"), "GZ");
    EXPECT_EQ(ExtensionOf(".hidden"), "hidden");
    EXPECT_EQ(ExtensionOf("README"), "");
    EXPECT_EQ(ExtensionOf("trailing."), "");
}

TEST(PathsTest, ProgramFilePathIsTheRunningProgramUnlessScripted)
{
    const std::string real = ProgramFilePath();
    EXPECT_EQ(real, QCoreApplication::applicationFilePath().toStdString());
    {
        const ScriptedProgramFile program("/games/play/prog");
        EXPECT_EQ(ProgramFilePath(), "/games/play/prog");
    }
    EXPECT_EQ(ProgramFilePath(), real);
}
