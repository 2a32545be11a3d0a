// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialogs.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Whether a name filter of the file dialog offers `fileName`.
bool Offers(const std::string& nameFilter, const QString& fileName)
{
    const QString filter = QString::fromStdString(nameFilter);
    const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
    for (const QString& pattern : patterns.split(' ', Qt::SkipEmptyParts)) {
        const auto wildcard = QRegularExpression::fromWildcard(pattern);
        if (wildcard.match(fileName).hasMatch())
            return true;
    }
    return false;
}

} // namespace

TEST(FileDialogs, FilterPairsBecomeNameFiltersThatIgnoreLetterCase)
{
    const auto filters = NameFiltersOf("Sound wave files (*.wav) | *.wav||");
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_TRUE(filters[0].starts_with("Sound wave files ("));
    for (const char* name : {"dog.wav", "DOG.WAV", "Dog.Wav"})
        EXPECT_TRUE(Offers(filters[0], name)) << name;
    EXPECT_FALSE(Offers(filters[0], "dog.wave"));

    const auto images =
        NameFiltersOf("All Image Files|*.BMP;*.JPG|BMP (*.BMP)|*.BMP|JPEG (*.JPG)|*.JPG||");
    ASSERT_EQ(images.size(), 3u);
    // What the dialog shows: the filter up to its last, matching patterns.
    const auto shown = [](const std::string& nameFilter) {
        return nameFilter.substr(0, nameFilter.rfind(" ("));
    };
    EXPECT_EQ(shown(filters[0]), "Sound wave files (*.wav)");
    EXPECT_EQ(shown(images[0]), "All Image Files (*.bmp;*.jpg)");
    EXPECT_EQ(shown(images[1]), "BMP (*.bmp)");
    EXPECT_TRUE(Offers(images[0], "cat.jpg"));
    EXPECT_TRUE(Offers(images[0], "cat.bmp"));
    EXPECT_FALSE(Offers(images[1], "cat.jpg"));
}

TEST(FileDialogs, ScriptedAnswersAreRecordedAndNest)
{
    ScriptedFileDialogs outer(
        [](const OpenFilesRequest&) { return std::optional<std::vector<std::string>>({"/a"}); });
    {
        ScriptedFileDialogs inner(
            {}, [](std::uint32_t initial) { return std::optional<std::uint32_t>(initial ^ 0xFF); });
        EXPECT_EQ(ChooseFiles({.filter = "x|*.x||"}), std::nullopt);
        EXPECT_EQ(ChooseColor(nullptr, 0x00FF0000), 0x00FF00FFu);
        EXPECT_EQ(inner.FileRequests().size(), 1u);
        EXPECT_EQ(inner.ColorRequests(), std::vector<std::uint32_t>{0x00FF0000});
    }
    EXPECT_EQ(ChooseFiles({.multipleSelection = true}), std::vector<std::string>{"/a"});
    ASSERT_EQ(outer.FileRequests().size(), 1u);
    EXPECT_TRUE(outer.FileRequests()[0].multipleSelection);
}
