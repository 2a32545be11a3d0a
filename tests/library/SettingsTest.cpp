// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/Settings.h"

#include "tests/support/Bytes.h"
#include "tests/support/TempLibrary.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <sys/stat.h>

namespace {

const std::string kDefaultFile =
    Bytes({0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x00, 0x00,
           0x0A, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00,
           0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00});

// Nine values that differ from the defaults and from each other, in file order.
const std::string kDistinctFile =
    Bytes({0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x04, 0x01, 0x00, 0x00,
           0x05, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0xEF, 0xCD, 0xAB, 0x00,
           0x07, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00});

// The values kDefaultFile and kDistinctFile hold.
constexpr StoredSettings kDefaults{.clearBackground = 1,
                                   .randomColor = 0,
                                   .timeLimitMinutes = 10,
                                   .keyDelayMs = 300,
                                   .keyDelayOn = 1,
                                   .timeLimitOn = 1,
                                   .autoDisplayOn = 1,
                                   .autoDisplaySeconds = 5,
                                   .backgroundColor = 0x00FF0000u};
constexpr StoredSettings kDistinct{.clearBackground = 3,
                                   .randomColor = 2,
                                   .timeLimitMinutes = 5,
                                   .keyDelayMs = 260,
                                   .keyDelayOn = 6,
                                   .timeLimitOn = 7,
                                   .autoDisplayOn = 8,
                                   .autoDisplaySeconds = 9,
                                   .backgroundColor = 0x00ABCDEFu};

void ExpectValues(const StoredSettings& settings, const StoredSettings& expected)
{
    for (const SettingSpec& row : kSettingTable)
        EXPECT_EQ(row.get(settings), row.get(expected)) << row.name;
}

// Settings with every value away from its default.
Settings Scrambled()
{
    Settings settings;
    for (const SettingSpec& row : kSettingTable)
        row.set(settings, 77);
    return settings;
}

class SettingsTest : public ::testing::Test
{
protected:
    SettingsTest() { m_library.PointProgramHere(); }

    TempLibrary m_library;
};

TEST_F(SettingsTest, DefaultsAreSavedBesideTheProgramAsTheKnownBytes)
{
    Settings settings = Scrambled();
    settings.Load();
    EXPECT_EQ(settings.installDir, m_library.InstallDir());
    EXPECT_EQ(settings.iniPath, m_library.PathOf("Kipo.ini"));
    settings.SetDefaults();
    EXPECT_EQ(settings.iniPath, m_library.PathOf("Kipo.ini"));
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(m_library.ReadFile("Kipo.ini"), kDefaultFile);

    Settings loaded = Scrambled();
    EXPECT_TRUE(loaded.Load());
    ExpectValues(loaded, kDefaults);
}

// Each value has its own place in the file; bytes after the ninth value are ignored, and
// dropped when the file is saved.
TEST_F(SettingsTest, EachValueHasItsOwnPlaceInTheFile)
{
    for (const std::string& file : {kDistinctFile, kDistinctFile + Bytes({1, 2, 3, 4})}) {
        m_library.WriteFile("Kipo.ini", file);
        Settings settings;
        ASSERT_TRUE(settings.Load());
        ExpectValues(settings, kDistinct);

        m_library.WriteFile("Kipo.ini");
        ASSERT_TRUE(settings.Save());
        EXPECT_EQ(m_library.ReadFile("Kipo.ini"), kDistinctFile);
    }
}

TEST_F(SettingsTest, MissingOrShortFileGivesAllDefaults)
{
    Settings settings = Scrambled();
    EXPECT_FALSE(settings.Load());
    ExpectValues(settings, kDefaults);

    m_library.WriteFile("Kipo.ini", kDistinctFile.substr(0, 35));
    settings = Scrambled();
    EXPECT_FALSE(settings.Load());
    ExpectValues(settings, kDefaults);
}

TEST_F(SettingsTest, AFileOfAnyLetterCaseIsReadAndWrittenBackUnderItsNameUnlessReadOnly)
{
    const std::string path = m_library.WriteFile("KIPO.INI", kDistinctFile);
    Settings settings;
    ASSERT_TRUE(settings.Load());
    EXPECT_EQ(settings.iniPath, path);
    ExpectValues(settings, kDistinct);
    settings.SetDefaults();
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(m_library.ListingOrder(), std::vector<std::string>{"KIPO.INI"});
    EXPECT_EQ(m_library.ReadFile("KIPO.INI"), kDefaultFile);

    // Made read-only by its owner: left as it is, and that is no failure to tell.
    m_library.WriteFile("KIPO.INI", kDistinctFile);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(m_library.ReadFile("KIPO.INI"), kDistinctFile);
}

TEST_F(SettingsTest, ValuesOutsideTheDialogRangesLoadUnchanged)
{
    std::string file = kDefaultFile;
    file.replace(8, 4, Bytes({0xFB, 0xFF, 0xFF, 0xFF}));  // keyDelayMs -5
    file.replace(12, 4, Bytes({0x00, 0x00, 0x00, 0x80})); // timeLimitMinutes INT32_MIN
    file.replace(20, 4, Bytes({0xFF, 0xFF, 0xFF, 0xFF})); // backgroundColor
    file.replace(32, 4, Bytes({0x00, 0x00, 0x00, 0x00})); // autoDisplaySeconds 0
    m_library.WriteFile("Kipo.ini", file);

    Settings settings;
    ASSERT_TRUE(settings.Load());
    EXPECT_EQ(settings.keyDelayMs, -5);
    EXPECT_EQ(settings.timeLimitMinutes, INT32_MIN);
    EXPECT_EQ(settings.backgroundColor, 0xFFFFFFFFu);
    EXPECT_EQ(settings.autoDisplaySeconds, 0);
}

// Runs the test scripts' write_settings with `arguments`, which writes <library>/app/Kipo.ini;
// its exit status.
int WriteSettingsByScript(const TempLibrary& library, const QStringList& arguments)
{
    QProcess bash;
    bash.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bash.start("bash", QStringList{"-c", R"(source "$0" && work="$1" && write_settings "${@:2}")",
                                   TAPNEST_SOURCE_DIR "/scripts/settings_file.sh",
                                   QString::fromStdString(library.InstallDir())} +
                           arguments);
    return bash.waitForFinished() && bash.exitStatus() == QProcess::NormalExit ? bash.exitCode()
                                                                               : -1;
}

// The test scripts write their settings files from the same table.
TEST_F(SettingsTest, TheScriptsWriteTheFileFromTheSameTable)
{
    m_library.MakeDir("app");
    ASSERT_EQ(WriteSettingsByScript(m_library, {}), 0);
    EXPECT_EQ(m_library.ReadFile("app/Kipo.ini"), kDefaultFile);

    ASSERT_EQ(WriteSettingsByScript(
                  m_library, {"randomColor=2", "clearBackground=3", "keyDelayMs=260",
                              "timeLimitMinutes=5", "keyDelayOn=6", "backgroundColor=0xABCDEF",
                              "timeLimitOn=7", "autoDisplayOn=8", "autoDisplaySeconds=9"}),
              0);
    EXPECT_EQ(m_library.ReadFile("app/Kipo.ini"), kDistinctFile);
    EXPECT_NE(WriteSettingsByScript(m_library, {"keyDelay=3"}), 0) << "an unknown name";
}

TEST(SettingsTable, EveryPlaceInTheFileHoldsOneSetting)
{
    using Rows = std::array<SettingSpec, kSettingCount>;
    const auto withPositions = [](std::array<int, kSettingCount> positions) {
        Rows rows = std::to_array(kSettingTable);
        for (std::size_t i = 0; i < kSettingCount; ++i)
            rows[i].filePosition = positions[i];
        return rows;
    };
    const struct
    {
        const char* what;
        Rows rows;
        bool filled;
    } cases[] = {
        {"in another order", withPositions({8, 7, 6, 5, 4, 3, 2, 1, 0}), true},
        {"one place twice", withPositions({0, 1, 2, 3, 4, 5, 6, 7, 7}), false},
        {"one place past the end", withPositions({0, 1, 2, 3, 4, 5, 6, 7, 9}), false},
        {"a negative place", withPositions({-1, 1, 2, 3, 4, 5, 6, 7, 8}), false},
    };
    for (const auto& [what, rows, filled] : cases)
        EXPECT_EQ(FillsEveryFilePositionOnce(rows), filled) << what;
    EXPECT_FALSE(FillsEveryFilePositionOnce(std::span(kSettingTable).first(8))) << "a row short";

    for (const SettingSpec& row : kSettingTable) {
        if (row.switchedOnBy != SettingName::None) {
            EXPECT_EQ(SettingRow(row.switchedOnBy).kind, SettingKind::Flag) << row.name;
        }
    }
}

} // namespace
