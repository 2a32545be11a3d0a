// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GroupFolders.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

TEST(ScanGroups, ListsGroupFoldersUpperCasedWithWhatTheirFilesHold)
{
    TempLibrary library;
    TestGroup pets("pets");
    pets.name = "Pets";
    pets.description = "Cats and dogs";
    pets.displayed = 2;
    library.AddGroup(pets);
    library.WriteFile("cut/cut.ini", "\4Half");   // ends inside the description
    library.MakeDir("unreadable/unreadable.ini"); // a folder where the group file should be
    library.WriteFile("DefVoice/DefVoice.ini", "\1x");
    library.MakeDir("empty");

    const std::vector<FoundGroup> groups = ScanGroups(library.InstallDir());
    std::vector<std::string> folders;
    for (const FoundGroup& found : groups)
        folders.push_back(found.group.folderName);
    std::vector<std::string> expected;
    for (std::string name : library.InListingOrder({}, {"pets", "cut", "unreadable"})) {
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        expected.push_back(name);
    }
    ASSERT_EQ(folders, expected);
    for (const FoundGroup& found : groups) {
        const PictureGroup& group = found.group;
        if (group.folderName == "PETS") {
            EXPECT_EQ(found.path, library.PathOf("pets"));
            EXPECT_EQ(group.name, "Pets");
            EXPECT_EQ(group.description, "Cats and dogs");
            EXPECT_EQ(group.displayed, 2);
        } else if (group.folderName == "CUT") {
            EXPECT_EQ(group.name, "Half");
            EXPECT_EQ(group.displayed, 0);
        } else {
            EXPECT_EQ(group.folderName, "UNREADABLE");
            EXPECT_EQ(group.name, "");
            EXPECT_EQ(group.displayed, 0);
        }
    }
}

TEST(DeleteGroupFolder, RemovesTheFolderWithItsFiles)
{
    TempLibrary library;
    library.AddGroup(TestGroup("G", {"a.png", "a.wav", "b.jpg"}));
    EXPECT_TRUE(DeleteGroupFolder(library.PathOf("G")));
    EXPECT_TRUE(library.ListingOrder().empty());
}

TEST(DeleteGroupFolder, NeverDeletesAnythingOutsideTheFolder)
{
    TempLibrary library;
    const std::string outsideFile = library.WriteFile("outside/keep.png", "keep");
    const std::string outsideDir = library.MakeDir("outside/dir");
    library.WriteFile("outside/dir/inner.png", "inner");
    library.AddGroup(TestGroup("G", {"a.png"}));
    library.MakeSymlink("G/link.png", outsideFile);
    library.MakeSymlink("G/linkdir", outsideDir);
    library.WriteFile("G/sub/deep.png", "deep");

    const FileResult deleted = DeleteGroupFolder(library.PathOf("G"));
    // The sub-folder stays, so the folder stays with it and that is told; everything else
    // inside went.
    EXPECT_FALSE(deleted);
    EXPECT_EQ(deleted.Path(), library.PathOf("G"));
    EXPECT_EQ(library.ListingOrder("G"), std::vector<std::string>{"sub"});
    EXPECT_EQ(library.ReadFile("G/sub/deep.png"), "deep");
    EXPECT_EQ(library.ReadFile("outside/keep.png"), "keep");
    EXPECT_EQ(library.ReadFile("outside/dir/inner.png"), "inner");

    // A group folder that is itself a link goes as a link; its target's files stay.
    library.AddGroup(TestGroup("real", {"b.png"}));
    library.MakeSymlink("linked", library.PathOf("real"));
    EXPECT_TRUE(DeleteGroupFolder(library.PathOf("linked")));
    EXPECT_EQ(library.InListingOrder({}, {"linked", "real"}), std::vector<std::string>{"real"});
    EXPECT_EQ(library.ListingOrder("real").size(), 3u);
}

} // namespace
