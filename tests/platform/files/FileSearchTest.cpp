// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileSearch.h"

#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> NamesOf(const std::vector<FoundEntry>& entries)
{
    std::vector<std::string> names;
    for (const FoundEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

class FileSearchTest : public ::testing::Test
{
protected:
    TempLibrary m_library;
};

TEST_F(FileSearchTest, StarPatternsListEveryEntryInListingOrder)
{
    for (const char* name : {"b.txt", "README", "a.JPG", ".hidden", "z"})
        m_library.WriteFile(std::string("dir/") + name);
    m_library.MakeDir("dir/sub.d");

    const std::vector<std::string> listing = m_library.ListingOrder("dir");
    EXPECT_EQ(NamesOf(FindFiles(m_library.PathOf("dir"), "*")), listing);
    EXPECT_EQ(NamesOf(FindFiles(m_library.PathOf("dir"), "*.*")), listing);
    for (const FoundEntry& entry : FindFiles(m_library.PathOf("dir"), "*"))
        EXPECT_EQ(entry.path, m_library.PathOf("dir/" + entry.name));
}

TEST_F(FileSearchTest, ExtensionPatternComparesTheLastExtensionIgnoringCase)
{
    for (const char* name : {"cat.JPG", "x.jpg.bak", "jpg", "dog.jpg", "a.jpeg", ".jpg", "b.Jpg"})
        m_library.WriteFile(std::string("dir/") + name);

    EXPECT_EQ(NamesOf(FindFiles(m_library.PathOf("dir"), "*.jpg")),
              m_library.InListingOrder("dir", {"cat.JPG", "dog.jpg", ".jpg", "b.Jpg"}));
    EXPECT_EQ(NamesOf(FindFiles(m_library.PathOf("dir"), "*.JPEG")),
              std::vector<std::string>{"a.jpeg"});
    EXPECT_TRUE(FindFiles(m_library.PathOf("dir"), "*.png").empty());
}

TEST_F(FileSearchTest, DirectoriesAreMarkedAndLinksCountAsWhatTheyResolveTo)
{
    m_library.MakeDir("dir/folder");
    m_library.WriteFile("dir/file");
    m_library.MakeSymlink("dir/folderLink", m_library.PathOf("dir/folder"));
    m_library.MakeSymlink("dir/fileLink", m_library.PathOf("dir/file"));
    m_library.MakeSymlink("dir/dangling", m_library.PathOf("dir/missing"));

    std::vector<std::string> directories;
    std::vector<std::string> others;
    for (const FoundEntry& entry : FindFiles(m_library.PathOf("dir"), "*"))
        (entry.isDirectory ? directories : others).push_back(entry.name);
    std::sort(directories.begin(), directories.end());
    std::sort(others.begin(), others.end());
    EXPECT_EQ(directories, (std::vector<std::string>{"folder", "folderLink"}));
    EXPECT_EQ(others, (std::vector<std::string>{"dangling", "file", "fileLink"}));
}

TEST_F(FileSearchTest, MissingDirectoryOrFileGivesNothing)
{
    m_library.WriteFile("file.txt");
    EXPECT_TRUE(FindFiles(m_library.PathOf("missing"), "*").empty());
    EXPECT_TRUE(FindFiles(m_library.PathOf("file.txt"), "*").empty());
}

TEST_F(FileSearchTest, NamesThatAreNotUtf8AreListedUnchanged)
{
    const std::string name = "\xff\xfe\x80.JPG";
    m_library.WriteFile("dir/" + name);

    const std::vector<FoundEntry> found = FindFiles(m_library.PathOf("dir"), "*.jpg");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, name);
    EXPECT_EQ(found[0].path, m_library.PathOf("dir/" + name));
}

TEST_F(FileSearchTest, ResolveMatchesEveryComponentIgnoringCase)
{
    m_library.WriteFile("Zoo/Big Cats/Lion.JPG");
    const std::string real = m_library.PathOf("Zoo/Big Cats/Lion.JPG");

    EXPECT_EQ(ResolveNoCase(m_library.PathOf("zoo/BIG CATS/lion.jpg")), real);
    EXPECT_EQ(ResolveNoCase(m_library.PathOf("ZOO//big cats/Lion.JPG")), real);
    EXPECT_EQ(ResolveNoCase(m_library.PathOf("zoo")), m_library.PathOf("Zoo"));
    EXPECT_TRUE(ExistsNoCase(m_library.PathOf("zoo/big cats")));

    EXPECT_EQ(ResolveNoCase(m_library.PathOf("zoo/big dogs/lion.jpg")), std::nullopt);
    EXPECT_EQ(ResolveNoCase(m_library.PathOf("zoo/big cats/tiger.jpg")), std::nullopt);
    EXPECT_EQ(ResolveNoCase(m_library.PathOf("zoo/big cats/lion.jpg/more")), std::nullopt);
    EXPECT_FALSE(ExistsNoCase(m_library.PathOf("zoo/big cats/lion.jpeg")));
    EXPECT_EQ(ResolveNoCase(""), std::nullopt);
}

TEST_F(FileSearchTest, ResolvePrefersTheExactNameElseTheFirstListed)
{
    for (const char* name : {"photo.jpg", "PHOTO.JPG", "Photo.Jpg"})
        m_library.WriteFile(std::string("dir/") + name);

    for (const char* name : {"photo.jpg", "PHOTO.JPG", "Photo.Jpg"})
        EXPECT_EQ(ResolveNoCase(m_library.PathOf(std::string("dir/") + name)),
                  m_library.PathOf(std::string("dir/") + name));
    const std::string firstListed = m_library.ListingOrder("dir").front();
    EXPECT_EQ(ResolveNoCase(m_library.PathOf("dir/pHoTo.jPg")),
              m_library.PathOf("dir/" + firstListed));
}

TEST_F(FileSearchTest, OnlyAsciiLettersAreFolded)
{
    m_library.WriteFile("dir/\xc3\xa9t\xc3\xa9.png"); // "été" in UTF-8
    m_library.WriteFile("dir/\xff"
                        "Abc.bmp"); // not UTF-8

    EXPECT_EQ(ResolveNoCase(m_library.PathOf("dir/\xc3\xa9T\xc3\xa9.PNG")),
              m_library.PathOf("dir/\xc3\xa9t\xc3\xa9.png"));
    EXPECT_FALSE(ExistsNoCase(m_library.PathOf("dir/\xc3\x89T\xc3\x89.PNG"))); // "ÉTÉ"
    EXPECT_EQ(ResolveNoCase(m_library.PathOf("dir/\xff"
                                             "aBC.BMP")),
              m_library.PathOf("dir/\xff"
                               "Abc.bmp"));
    EXPECT_FALSE(ExistsNoCase(m_library.PathOf("dir/\xfe"
                                               "abc.bmp")));
}

} // namespace
