// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempLibrary.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// Runs the laying script as the build does; true when cmake succeeded.
bool Lay(const std::string& stagingDir, const std::string& programDir)
{
    QProcess cmake;
    cmake.start(QStringLiteral(TAPNEST_CMAKE_COMMAND),
                {QStringLiteral("-DSTAGING_DIR=") + QString::fromStdString(stagingDir),
                 QStringLiteral("-DPROGRAM_DIR=") + QString::fromStdString(programDir),
                 QStringLiteral("-P"), QStringLiteral(TAPNEST_LAY_CONTENT_SCRIPT)});
    return cmake.waitForFinished(60000) && cmake.exitStatus() == QProcess::NormalExit &&
           cmake.exitCode() == 0;
}

class LayContentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_staged.WriteFile("Zoo/Zoo.ini", "group file");
        m_staged.WriteFile("Zoo/cutshow.ini", std::string(4, '\0'));
        m_staged.WriteFile("Zoo/cat.png", "picture");
        m_staged.WriteFile("DefVoice/bell.wav", "staged bell");
        m_staged.WriteFile("Hello.wav", "staged hello");
        m_staged.WriteFile("GoodBye.wav", "staged good-bye");
    }

    TempLibrary m_staged;
    TempLibrary m_program;
};

TEST_F(LayContentTest, CopiesOnlyWhatIsMissing)
{
    // A parent's own default sounds, in another letter case, and a changed greeting.
    m_program.WriteFile("defvoice/own.wav", "parent's sound");
    m_program.WriteFile("Hello.wav", "parent's hello");
    m_program.WriteFile("tapnest", "program");

    ASSERT_TRUE(Lay(m_staged.InstallDir(), m_program.InstallDir()));

    EXPECT_EQ(m_program.ReadFile("Hello.wav"), "parent's hello");
    EXPECT_EQ(m_program.ReadFile("defvoice/own.wav"), "parent's sound");
    EXPECT_EQ(m_program.ListingOrder("defvoice"), std::vector<std::string>{"own.wav"});
    EXPECT_EQ(m_program.ReadFile("tapnest"), "program");
    EXPECT_EQ(m_program.ReadFile("GoodBye.wav"), "staged good-bye");
    EXPECT_EQ(m_program.ReadFile("Zoo/Zoo.ini"), "group file");
    EXPECT_EQ(m_program.ReadFile("Zoo/cutshow.ini"), std::string(4, '\0'));
    EXPECT_EQ(m_program.ReadFile("Zoo/cat.png"), "picture");
    std::vector<std::string> entries = m_program.ListingOrder();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries,
              (std::vector<std::string>{"GoodBye.wav", "Hello.wav", "Zoo", "defvoice", "tapnest"}))
        << "a second DefVoice or a scratch folder was left";
}

TEST_F(LayContentTest, LayingAgainKeepsChangesAndRestoresRemovedItems)
{
    ASSERT_TRUE(Lay(m_staged.InstallDir(), m_program.InstallDir()));
    // The parent changes a group and deletes a greeting.
    m_program.WriteFile("Zoo/Zoo.ini", "renamed group");
    std::filesystem::remove(m_program.PathOf("Zoo/cat.png"));
    std::filesystem::remove(m_program.PathOf("GoodBye.wav"));

    ASSERT_TRUE(Lay(m_staged.InstallDir(), m_program.InstallDir()));

    EXPECT_EQ(m_program.ReadFile("Zoo/Zoo.ini"), "renamed group");
    EXPECT_FALSE(std::filesystem::exists(m_program.PathOf("Zoo/cat.png")));
    EXPECT_EQ(m_program.ReadFile("GoodBye.wav"), "staged good-bye");
}

TEST_F(LayContentTest, MissingStagingFailsAndTouchesNothing)
{
    m_program.WriteFile("Hello.wav", "parent's hello");
    EXPECT_FALSE(Lay(m_staged.PathOf("no-such-folder"), m_program.InstallDir()));
    EXPECT_EQ(m_program.ListingOrder(), std::vector<std::string>{"Hello.wav"});
}

TEST_F(LayContentTest, CreatesAMissingProgramFolder)
{
    const std::string programDir = m_program.PathOf("bin");
    ASSERT_TRUE(Lay(m_staged.InstallDir(), programDir));
    EXPECT_EQ(m_program.ReadFile("bin/DefVoice/bell.wav"), "staged bell");
}

} // namespace
