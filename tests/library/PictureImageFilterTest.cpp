// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/ContentLibrary.h"
#include "library/PictureImage.h"

#include <QImageReader>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr std::uint32_t kNoEmfWmfIcon = 140;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts{{}};
    for (const char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

std::string Upper(const QByteArray& name)
{
    return name.toUpper().toStdString();
}

TEST(PictureImageFilter, ListsEveryReaderFormatUnderTheAllEntry)
{
    std::string filter = "kept|";
    std::vector<std::string> ids{"earlier"};
    ASSERT_EQ(CPictureImage::BuildOpenFilter(filter, ids, "All Image Files", kNoEmfWmfIcon, '|'),
              CPictureImage::kSuccess);
    ASSERT_EQ(filter.rfind("kept|All Image Files|", 0), 0u) << filter;
    EXPECT_TRUE(filter.ends_with("||") && !filter.ends_with("|||")) << filter;

    // kept, All, all patterns, (description, patterns) per format, "", "".
    const std::vector<std::string> parts = Split(filter, '|');
    const std::size_t entries = (parts.size() - 5) / 2;
    ASSERT_EQ(parts.size(), 5 + 2 * entries);
    ASSERT_EQ(ids.size(), 2 + entries);
    EXPECT_EQ(ids[0], "earlier");
    EXPECT_EQ(ids[1], "");
    std::string allPatterns;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string& description = parts[3 + 2 * i];
        const std::string& patterns = parts[4 + 2 * i];
        EXPECT_TRUE(description.ends_with(" (" + patterns + ")")) << description;
        allPatterns += (i == 0 ? "" : ";") + patterns;
    }
    EXPECT_EQ(parts[2], allPatterns);
    EXPECT_EQ(parts[3], "BMP (*.BMP;*.DIB;*.RLE)");
    EXPECT_EQ(parts[5], "JPEG (*.JPG;*.JPEG;*.JPE;*.JFIF)");

    // Exactly the formats the library takes are offered: a WebP picture
    // among them, never a cursor, icon or Mac icon it would not list.
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const bool listed =
            (";" + allPatterns + ";").find(";*." + Upper(format) + ";") != std::string::npos;
        EXPECT_EQ(listed, IsPictureExtension(format.toStdString())) << format.constData();
    }
    EXPECT_NE((";" + allPatterns + ";").find(";*.WEBP;"), std::string::npos);
    EXPECT_EQ(allPatterns.find("*.ICO"), std::string::npos);
    const auto position = [&ids](const std::string& id) {
        return std::find(ids.begin(), ids.end(), id) - ids.begin();
    };
    EXPECT_LT(position("bmp"), position("jpeg"));
    EXPECT_LT(position("jpeg"), position("tiff"));
    EXPECT_LT(position("tiff"), position("png"));
    EXPECT_EQ(position("ico"), std::ssize(ids));
}

TEST(PictureImageFilter, ExclusionBitsDropFormats)
{
    std::string filter;
    std::vector<std::string> ids;
    CPictureImage::BuildOpenFilter(filter, ids, "All", 0x80000000u | 0x22u, ';');
    // Other formats (WebP among them), PNG and BMP dropped; the common ones
    // remain in order.
    EXPECT_EQ(ids, (std::vector<std::string>{"", "jpeg", "gif", "tiff"}));

    filter.clear();
    ids.clear();
    CPictureImage::BuildOpenFilter(filter, ids, "", 0xFFFFFFFFu, '|');
    EXPECT_EQ(filter, "||");
    EXPECT_TRUE(ids.empty());

    CPictureImage::BuildOpenFilter(filter, ids, "All", 0xFFFFFFFFu, '|');
    EXPECT_EQ(filter, "||All|||");
    EXPECT_EQ(ids, std::vector<std::string>{""});
}

} // namespace
