// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/InstallDir.h"

#include "library/ContentLibrary.h"
#include "platform/files/Paths.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every file and folder below `dir`: relative path to contents ("<dir>" for a folder).
std::map<std::string, std::string> Snapshot(const TempLibrary& root, const std::string& relative)
{
    std::map<std::string, std::string> items;
    const fs::path dir = root.PathOf(relative);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string inside = entry.path().lexically_relative(dir).string();
        items[inside] = entry.is_directory() ? "<dir>" : root.ReadFile(JoinPath(relative, inside));
    }
    return items;
}

// What lies in a folder a user's folder is seeded from, and whether it is part of the library.
struct SeedItem
{
    std::string path; // written with its own path as contents
    bool copied;
};
const SeedItem kSeedItems[] = {
    {"Animals/Animals.ini", true},
    {"Animals/cat.gif", true},
    {"Shapes/SHAPES.INI", true},     // a group file in another letter case
    {"defvoice/\xff\xfe.wav", true}, // the default sounds in any letter case
    {"KIPO.INI", true},              // the settings in any letter case
    {"Hello.wav", false},            // the greetings and the help come from the
    {"GoodBye.wav", false},          // shipped copy, so that an upgrade brings
    {"Kipo2Help.chm", false},        // the new ones
    {"Photos/holiday.jpg", false},   // an unrelated folder
    {"Notes/Other.ini", false},      // a folder whose file is named otherwise
    {"Readme.ini", false},           // a file beside the groups
    {"kipo.ini/Kipo.ini", false},    // a folder named like the settings
};

// The top-level name of a relative path.
std::string TopLevelName(const std::string& path)
{
    return path.substr(0, path.find('/'));
}

class InstallDirTest : public ::testing::Test
{
protected:
    const std::string kProgram = "prefix/lib/tapnest/tapnest";
    const std::string kShipped = "prefix/share/tapnest";

    // Resolves for kProgram (or `program`) on a system whose write check
    // answers `writable` and records the folder it was asked about.
    std::string Resolve(bool writable, const std::string& program = {})
    {
        const ScriptedInstallSystem system(
            [this, writable](const std::string& dir) {
                m_askedAbout = dir;
                return writable;
            },
            m_root.PathOf("data"));
        return ResolveInstallDir(m_root.PathOf(program.empty() ? kProgram : program),
                                 IsLibraryItem);
    }

    std::string UserDir() const { return m_root.PathOf("data/tapnest"); }

    // Fills `dir` with kSeedItems.
    void FillSeedSource(const std::string& dir) const
    {
        for (const SeedItem& item : kSeedItems)
            m_root.WriteFile(JoinPath(dir, item.path), item.path);
    }

    void ShipData() const
    {
        m_root.WriteFile(kProgram, "ELF");
        FillSeedSource(kShipped);
    }

    // What a user's folder seeded from `dir`, filled by FillSeedSource, holds.
    std::map<std::string, std::string> SeededFrom(const std::string& dir) const
    {
        auto items = Snapshot(m_root, dir);
        std::erase_if(items, [](const auto& item) {
            return std::ranges::none_of(kSeedItems, [&](const SeedItem& seed) {
                return seed.copied && TopLevelName(seed.path) == TopLevelName(item.first);
            });
        });
        return items;
    }

    TempLibrary m_root;
    std::optional<std::string> m_askedAbout;
};

TEST_F(InstallDirTest, WritableProgramFolderWithoutShippedDataHoldsEverything)
{
    m_root.WriteFile("portable/tapnest", "ELF");
    m_root.WriteFile("portable/Hello.wav", "RIFF");

    EXPECT_EQ(Resolve(true, "portable/tapnest"), m_root.PathOf("portable"));
    EXPECT_EQ(m_askedAbout, m_root.PathOf("portable"));
    EXPECT_FALSE(fs::exists(m_root.PathOf("data")));
}

// The user's folder is seeded with the library of the shipped data, or of a read-only program
// folder without any, and nothing else; the program file itself is never a part of it.
TEST_F(InstallDirTest, UserFolderIsSeededWithTheLibraryOnly)
{
    struct Case
    {
        const char* name;
        std::string program;
        std::string source;
        bool writable;
    };
    const Case cases[] = {
        {"installed", kProgram, kShipped, false},
        // Even where the program's folder is writable (for root), an installed
        // program keeps the user's data apart from the package's files.
        {"installed, run by root", kProgram, kShipped, true},
        {"read-only portable copy", "cdrom/tapnest", "cdrom", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root.PathOf("data"));
        m_root.WriteFile(c.program, "ELF");
        FillSeedSource(c.source);

        EXPECT_EQ(Resolve(c.writable, c.program), UserDir());
        const auto seeded = Snapshot(m_root, "data/tapnest");
        EXPECT_EQ(seeded, SeededFrom(c.source));
        EXPECT_EQ(seeded.count("Animals/cat.gif"), 1u) << "a group was left out";
        EXPECT_EQ(
            std::distance(fs::directory_iterator(m_root.PathOf("data")), fs::directory_iterator()),
            1)
            << "a scratch folder was left beside the user's folder";
    }
}

TEST_F(InstallDirTest, ExistingUserFolderIsNeverOverwrittenByNewerShippedData)
{
    ShipData();
    ASSERT_EQ(Resolve(false), UserDir());
    // The parent edits the library; then a newer package changes and adds files.
    m_root.WriteFile("data/tapnest/Hello.wav", "parent's greeting");
    fs::remove_all(m_root.PathOf("data/tapnest/defvoice"));
    fs::remove_all(m_root.PathOf("data/tapnest/Animals"));
    m_root.WriteFile("data/tapnest/KIPO.INI", "settings");
    const auto parents = Snapshot(m_root, "data/tapnest");
    m_root.WriteFile(kShipped + "/Shapes/SHAPES.INI", "new group file");
    m_root.WriteFile(kShipped + "/Trains/Trains.ini", "group");

    for (const bool writable : {false, true})
        EXPECT_EQ(Resolve(writable), UserDir());
    EXPECT_EQ(Snapshot(m_root, "data/tapnest"), parents);

    // An emptied folder stays empty too.
    fs::remove_all(UserDir());
    m_root.MakeDir("data/tapnest");
    EXPECT_EQ(Resolve(false), UserDir());
    EXPECT_TRUE(fs::is_empty(UserDir()));
}

TEST_F(InstallDirTest, FailedCopyLeavesNothingBehindAndIsTriedAgainAtTheNextStart)
{
    ShipData();
    // A named pipe cannot be copied, so the copy stops half-way.
    const std::string pipe = m_root.PathOf(kShipped + "/defvoice/pipe.wav");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);

    // Meanwhile the shipped data is used as it is.
    EXPECT_EQ(Resolve(false), m_root.PathOf(kShipped));
    EXPECT_TRUE(fs::is_empty(m_root.PathOf("data")));

    fs::remove(pipe);
    EXPECT_EQ(Resolve(false), UserDir());
    EXPECT_EQ(Snapshot(m_root, "data/tapnest"), SeededFrom(kShipped));
}

// A file the parent may replace is taken from the user's folder when it is there, in any
// letter case, else from the shipped data, else from beside the program.
TEST_F(InstallDirTest, ShippedFilesAreTheParentsOwnFirst)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> files; // relative to m_root
        std::string expected;           // relative to m_root
    };
    const Case cases[] = {
        {"the parent's own",
         {"data/tapnest/hello.WAV", kShipped + "/Hello.wav"},
         "data/tapnest/hello.WAV"},
        {"shipped",
         {kShipped + "/HELLO.wav", "prefix/lib/tapnest/Hello.wav"},
         kShipped + "/HELLO.wav"},
        {"beside the program", {"prefix/lib/tapnest/Hello.wav"}, "prefix/lib/tapnest/Hello.wav"},
        {"nowhere", {}, "data/tapnest/Hello.wav"},
    };
    const ScriptedProgramFile program(m_root.PathOf(kProgram));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root.PathOf("data"));
        fs::remove_all(m_root.PathOf("prefix"));
        m_root.MakeDir("data/tapnest");
        m_root.MakeDir(kShipped);
        for (const std::string& file : c.files)
            m_root.WriteFile(file, file);

        EXPECT_EQ(ShippedFilePath(UserDir(), "Hello.wav"), m_root.PathOf(c.expected));
    }
}

TEST_F(InstallDirTest, WithoutAPossibleUserFolderTheShippedDataIsUsedAsItIs)
{
    ShipData();
    const std::string program = m_root.PathOf(kProgram);
    {
        const ScriptedInstallSystem homeless([](const std::string&) { return false; }, "");
        EXPECT_EQ(ResolveInstallDir(program, IsLibraryItem), m_root.PathOf(kShipped));
    }

    m_root.WriteFile("data", "a file where the data home should be");
    EXPECT_EQ(Resolve(false), m_root.PathOf(kShipped));
    EXPECT_EQ(m_root.ReadFile("data"), "a file where the data home should be");
}

TEST(ShippedDataDirTest, LiesInTheShareFolderOfThePrefix)
{
    EXPECT_EQ(ShippedDataDir("/usr/lib/tapnest"), "/usr/share/tapnest");
    EXPECT_EQ(ShippedDataDir("/opt/kids/lib/tapnest"), "/opt/kids/share/tapnest");
    // A program in the root directory never reaches above it.
    EXPECT_EQ(ShippedDataDir(""), "/share/tapnest");
}

TEST(UserDataHomeTest, FollowsTheXdgBaseDirectoryRules)
{
    EXPECT_EQ(UserDataHomeOf("/srv/data", "/home/parent"), "/srv/data");
    EXPECT_EQ(UserDataHomeOf("relative/data", "/home/parent"), "/home/parent/.local/share");
    EXPECT_EQ(UserDataHomeOf("", "/home/parent"), "/home/parent/.local/share");
    EXPECT_EQ(UserDataHomeOf("", ""), "");
}

} // namespace
