#include "platform/files/InstallDir.h"

#include "platform/files/Paths.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>

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
        return ResolveInstallDir(m_root.PathOf(program.empty() ? kProgram : program));
    }

    std::string UserDir() const { return m_root.PathOf("data/tapnest"); }

    void ShipData() const
    {
        m_root.WriteFile(kProgram, "ELF");
        m_root.WriteFile(kShipped + "/Animals/Animals.ini", "group");
        m_root.WriteFile(kShipped + "/Animals/cat.gif", "GIF89a");
        m_root.WriteFile(kShipped + "/DefVoice/\xff\xfe.wav", "RIFF1");
        m_root.WriteFile(kShipped + "/Hello.wav", "RIFF2");
        m_root.WriteFile(kShipped + "/GoodBye.wav", "RIFF3");
        m_root.WriteFile(kShipped + "/Kipo2Help.chm", "ITSF");
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

TEST_F(InstallDirTest, InstalledProgramStartsWithACopyOfTheShippedData)
{
    ShipData();
    const auto shipped = Snapshot(m_root, kShipped);
    // Even where the program's folder is writable (for root), an installed
    // program keeps the user's data apart from the package's files.
    for (const bool writable : {false, true}) {
        SCOPED_TRACE(writable);
        fs::remove_all(m_root.PathOf("data"));
        EXPECT_EQ(Resolve(writable), UserDir());
        EXPECT_EQ(Snapshot(m_root, "data/tapnest"), shipped);
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
    fs::remove(m_root.PathOf("data/tapnest/GoodBye.wav"));
    fs::remove_all(m_root.PathOf("data/tapnest/Animals"));
    m_root.WriteFile("data/tapnest/Kipo.ini", "settings");
    const auto parents = Snapshot(m_root, "data/tapnest");
    m_root.WriteFile(kShipped + "/Hello.wav", "new greeting");
    m_root.WriteFile(kShipped + "/Shapes/Shapes.ini", "group");

    for (const bool writable : {false, true})
        EXPECT_EQ(Resolve(writable), UserDir());
    EXPECT_EQ(Snapshot(m_root, "data/tapnest"), parents);

    // An emptied folder stays empty too.
    fs::remove_all(UserDir());
    m_root.MakeDir("data/tapnest");
    EXPECT_EQ(Resolve(false), UserDir());
    EXPECT_TRUE(fs::is_empty(UserDir()));
}

TEST_F(InstallDirTest, ReadOnlyPortableCopyIsCopiedWithoutItsProgramFile)
{
    m_root.WriteFile("cdrom/tapnest", "ELF");
    m_root.WriteFile("cdrom/Hello.wav", "RIFF");
    m_root.WriteFile("cdrom/Kipo.ini", "settings");
    m_root.WriteFile("cdrom/Animals/Animals.ini", "group");

    EXPECT_EQ(Resolve(false, "cdrom/tapnest"), UserDir());
    auto expected = Snapshot(m_root, "cdrom");
    expected.erase("tapnest");
    EXPECT_EQ(Snapshot(m_root, "data/tapnest"), expected);
}

TEST_F(InstallDirTest, FailedCopyLeavesNothingBehindAndIsTriedAgainAtTheNextStart)
{
    ShipData();
    // A named pipe cannot be copied, so the copy stops half-way.
    const std::string pipe = m_root.PathOf(kShipped + "/DefVoice/pipe.wav");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);

    // Meanwhile the shipped data is used as it is.
    EXPECT_EQ(Resolve(false), m_root.PathOf(kShipped));
    EXPECT_TRUE(fs::is_empty(m_root.PathOf("data")));

    fs::remove(pipe);
    EXPECT_EQ(Resolve(false), UserDir());
    EXPECT_EQ(Snapshot(m_root, "data/tapnest"), Snapshot(m_root, kShipped));
}

TEST_F(InstallDirTest, WithoutAPossibleUserFolderTheShippedDataIsUsedAsItIs)
{
    ShipData();
    const std::string program = m_root.PathOf(kProgram);
    {
        const ScriptedInstallSystem homeless([](const std::string&) { return false; }, "");
        EXPECT_EQ(ResolveInstallDir(program), m_root.PathOf(kShipped));
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
