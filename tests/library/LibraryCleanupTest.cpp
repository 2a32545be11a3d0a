// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryCleanup.h"

#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kUuid = "0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9";

// What a session killed while adding a group and copying pictures leaves, beside what a parent
// made by hand: only the former goes, and nothing is looked at through a link.
TEST(LibraryCleanup, RemovesOnlyWhatAKilledSessionLeft)
{
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string leftover = ".tapnest-" + std::to_string(gone) + "-0.tmp";

    TempLibrary library;
    library.AddGroup(TestGroup("Zoo", {"a.png"}));
    library.WriteFile("Zoo/" + leftover, "half a picture");
    library.WriteFile("DefVoice/" + leftover, "half a sound");
    library.WriteFile(leftover, "half the settings");
    library.WriteFile(std::string(kUuid) + "/" + leftover, "half a group file");
    library.MakeDir("11111111-2222-3333-4444-555555555555");
    library.MakeDir("Empty by hand");
    library.WriteFile("22222222-2222-3333-4444-555555555555/notes.txt", "a parent's");
    const TempLibrary outside;
    outside.WriteFile(leftover, "not the library's");
    library.MakeSymlink("33333333-2222-3333-4444-555555555555", outside.InstallDir());

    RemoveKilledSessionLeftovers(library.InstallDir());

    EXPECT_EQ(library
                  .InListingOrder({}, {"22222222-2222-3333-4444-555555555555",
                                       "33333333-2222-3333-4444-555555555555", "DefVoice",
                                       "Empty by hand", "Zoo"})
                  .size(),
              5u);
    EXPECT_EQ(library.ListingOrder().size(), 5u);
    EXPECT_EQ(library.ListingOrder("Zoo").size(), 3u); // a.png, its group file and cut list
    EXPECT_TRUE(library.ListingOrder("DefVoice").empty());
    EXPECT_EQ(outside.ReadFile(leftover), "not the library's");
}

} // namespace
