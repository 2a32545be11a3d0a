// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureGroup.h"

#include "tests/support/AllocationProbe.h"
#include "tests/support/Bytes.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A group named Animals, described as Farm, shown.
const std::string kAnimalsFarm = Bytes({0x07, 0x41, 0x6E, 0x69, 0x6D, 0x61, 0x6C, 0x73, 0x04, 0x46,
                                        0x61, 0x72, 0x6D, 0x01, 0x00, 0x00, 0x00});
constexpr std::size_t kNameEnd = 8;
constexpr std::size_t kDescriptionEnd = 13;

const std::string kTwoCutNames =
    Bytes({0x02, 0x00, 0x00, 0x00, 0x05}) + "a.jpg" + Bytes({0x07}) + "Cat.jpg";

class PictureGroupTest : public ::testing::Test
{
protected:
    std::string GroupPath() const { return m_library.PathOf("Animals"); }

    TempLibrary m_library;
};

TEST_F(PictureGroupTest, GroupFileIsWrittenAsTheKnownBytes)
{
    m_library.MakeDir("Animals");
    ASSERT_TRUE(WriteGroupFile(GroupPath(), "Animals", "Animals", "Farm", 1));
    EXPECT_EQ(m_library.ReadFile("Animals/Animals.ini"), kAnimalsFarm);
}

TEST_F(PictureGroupTest, GroupFileIsReadUpToItsThirdField)
{
    m_library.WriteFile("Animals/Animals.ini", kAnimalsFarm + "trailing bytes");
    const GroupFileContents contents = ReadGroupFile(GroupPath(), "Animals");
    EXPECT_TRUE(contents.opened);
    EXPECT_TRUE(contents.complete);
    EXPECT_EQ(contents.name, "Animals");
    EXPECT_EQ(contents.description, "Farm");
    EXPECT_EQ(contents.displayed, 1);

    std::string shownTwice = kAnimalsFarm;
    shownTwice[kDescriptionEnd] = 2;
    m_library.WriteFile("Animals/Animals.ini", shownTwice);
    EXPECT_EQ(ReadGroupFile(GroupPath(), "Animals").displayed, 2);
}

TEST_F(PictureGroupTest, CutShortGroupFileKeepsTheFieldsReadBeforeTheCut)
{
    for (std::size_t cut = 0; cut <= kAnimalsFarm.size(); ++cut) {
        m_library.WriteFile("Animals/Animals.ini", kAnimalsFarm.substr(0, cut));
        const GroupFileContents contents = ReadGroupFile(GroupPath(), "Animals");
        EXPECT_TRUE(contents.opened) << "cut at " << cut;
        EXPECT_EQ(contents.complete, cut == kAnimalsFarm.size()) << "cut at " << cut;
        EXPECT_EQ(contents.name, cut >= kNameEnd ? "Animals" : "") << "cut at " << cut;
        EXPECT_EQ(contents.description, cut >= kDescriptionEnd ? "Farm" : "") << "cut at " << cut;
        EXPECT_EQ(contents.displayed, cut == kAnimalsFarm.size() ? 1 : 0) << "cut at " << cut;
    }
}

TEST_F(PictureGroupTest, GroupFileThatCannotBeReadIsNotOpened)
{
    EXPECT_FALSE(ReadGroupFile(GroupPath(), "Animals").opened);
    m_library.MakeDir("Animals/Animals.ini");
    const GroupFileContents contents = ReadGroupFile(GroupPath(), "Animals");
    EXPECT_FALSE(contents.opened);
    EXPECT_FALSE(contents.complete);
}

TEST_F(PictureGroupTest, GroupFileIsFoundAndRewrittenInWhateverCaseItHas)
{
    m_library.WriteFile("animals/aNIMALS.INI", kAnimalsFarm);
    const GroupFileContents contents = ReadGroupFile(m_library.PathOf("ANIMALS"), "Animals");
    EXPECT_TRUE(contents.complete);
    EXPECT_EQ(contents.name, "Animals");

    ASSERT_TRUE(WriteGroupFile(m_library.PathOf("ANIMALS"), "Animals", "Beasts", "", 0));
    EXPECT_EQ(m_library.ListingOrder(), std::vector<std::string>{"animals"});
    EXPECT_EQ(m_library.ListingOrder("animals"), std::vector<std::string>{"aNIMALS.INI"});
    EXPECT_EQ(m_library.ReadFile("animals/aNIMALS.INI"),
              Bytes({6}) + "Beasts" + Bytes({0, 0, 0, 0, 0}));
}

TEST_F(PictureGroupTest, NewFilesAreNamedAfterTheFolderInsideItsRealSpelling)
{
    m_library.MakeDir("animals");
    ASSERT_TRUE(WriteGroupFile(m_library.PathOf("ANIMALS"), "ANIMALS", "A", "B", 1));
    ASSERT_TRUE(WriteCutList(m_library.PathOf("ANIMALS"), {}));
    const std::vector<std::string> listing = m_library.ListingOrder("animals");
    EXPECT_EQ(std::set<std::string>(listing.begin(), listing.end()),
              (std::set<std::string>{"ANIMALS.ini", "cutshow.ini"}));
    EXPECT_FALSE(WriteGroupFile(m_library.PathOf("Missing"), "Missing", "A", "B", 1));
    EXPECT_FALSE(WriteCutList(m_library.PathOf("Missing"), {}));
}

TEST_F(PictureGroupTest, CutListIsWrittenAsCountAndNames)
{
    m_library.MakeDir("Animals");
    ASSERT_TRUE(WriteCutList(GroupPath(), {}));
    EXPECT_EQ(m_library.ReadFile("Animals/cutshow.ini"), Bytes({0, 0, 0, 0}));
    ASSERT_TRUE(WriteCutList(GroupPath(), {"a.jpg", "Cat.jpg"}));
    EXPECT_EQ(m_library.ReadFile("Animals/cutshow.ini"), kTwoCutNames);
}

std::vector<FoundEntry> Pictures(const std::vector<std::string>& names)
{
    std::vector<FoundEntry> pictures;
    for (const std::string& name : names)
        pictures.push_back({.name = name, .path = "/pictures/" + name, .isDirectory = false});
    return pictures;
}

TEST_F(PictureGroupTest, CutListMarksByExactName)
{
    m_library.WriteFile("Animals/CUTSHOW.INI", kTwoCutNames);
    EXPECT_EQ(ReadCutList(GroupPath()), (std::vector<std::string>{"a.jpg", "Cat.jpg"}));
    EXPECT_EQ(
        ReadCutMarks(GroupPath(), Pictures({"Cat.jpg", "cat.jpg", "A.JPG", "a.jpg", "Cat.jpg "})),
        (std::vector<bool>{true, false, false, true, false}));
    EXPECT_EQ(ReadCutMarks(m_library.PathOf("Missing"), Pictures({"a.jpg"})),
              std::vector<bool>{false});
}

// 16 MiB of entries, millions of them, empty or all different: the marks cost
// the file's bytes, not a copy of every name.
TEST_F(PictureGroupTest, AHugeCutListIsReadWithoutKeepingItsNames)
{
    for (const bool distinct : {false, true}) {
        SCOPED_TRACE(distinct);
        std::string names;
        std::int32_t count = 0;
        while (names.size() < (std::size_t(16) << 20) - 16) {
            const std::string name = distinct ? std::to_string(count) : std::string();
            names += char(name.size()) + name;
            ++count;
        }
        names += char(5) + std::string("a.jpg");
        ++count;
        m_library.WriteFile("Animals/cutshow.ini",
                            Bytes({std::uint8_t(count), std::uint8_t(count >> 8),
                                   std::uint8_t(count >> 16), std::uint8_t(count >> 24)}) +
                                names);
        names = std::string();
        const PeakMemoryProbe memory;
        EXPECT_EQ(ReadCutMarks(GroupPath(), Pictures({"b.jpg", "a.jpg", "7"})),
                  (std::vector<bool>{false, true, distinct}));
        EXPECT_LT(memory.GrowthBytes(), 64 << 20);
    }
}

TEST_F(PictureGroupTest, CutShortCutListKeepsTheNamesReadBeforeTheCut)
{
    for (std::size_t cut = 0; cut <= kTwoCutNames.size(); ++cut) {
        m_library.WriteFile("Animals/cutshow.ini", kTwoCutNames.substr(0, cut));
        std::vector<std::string> expected;
        if (cut >= 10)
            expected.push_back("a.jpg");
        if (cut == kTwoCutNames.size())
            expected.push_back("Cat.jpg");
        EXPECT_EQ(ReadCutList(GroupPath()), expected) << "cut at " << cut;
    }
}

TEST_F(PictureGroupTest, CutListCountDecidesHowManyNamesAreRead)
{
    const struct
    {
        std::string count;
        std::vector<std::string> read;
    } cases[] = {
        {Bytes({0, 0, 0, 0}), {}},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), {}},
        {Bytes({1, 0, 0, 0}), {"a.jpg"}},
        {Bytes({3, 0, 0, 0}), {"a.jpg", "Cat.jpg"}}, // three claimed, two held: those two mark
    };
    for (const auto& [count, read] : cases) {
        m_library.WriteFile("Animals/cutshow.ini", count + kTwoCutNames.substr(4));
        EXPECT_EQ(ReadCutList(GroupPath()), read) << int(count[0]);
    }
    EXPECT_TRUE(ReadCutList(m_library.PathOf("Missing")).empty());
}

TEST_F(PictureGroupTest, HugeCutListCountIsNotReserved)
{
    m_library.WriteFile("Animals/cutshow.ini", Bytes({0xFF, 0xFF, 0xFF, 0x7F}));
    m_library.WriteFile("Other/cutshow.ini", Bytes({0xFF, 0xFF, 0xFF, 0x7F, 1, 'x', 1}));
    const AllocationProbe probe;
    EXPECT_TRUE(ReadCutList(GroupPath()).empty());
    EXPECT_EQ(ReadCutList(m_library.PathOf("Other")), std::vector<std::string>{"x"});
    EXPECT_LT(probe.Largest(), 4096u);
}

} // namespace
