#include "dialogs/ByteTextField.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>

namespace {

const QChar kEllipsis(0x2026);

// Megabytes of name, in characters of one to four bytes: the part shown
// ends at a whole character, with an ellipsis after it.
TEST(ByteText, AHugeTextIsShownShortened)
{
    for (const std::string character : {"a", "\xC3\xA9", "\xE2\x86\x92", "\xF0\x9F\x98\x80"}) {
        SCOPED_TRACE(character.size());
        std::string name;
        while (name.size() < (std::size_t(16) << 20))
            name += character;
        const QString shown = DisplayText(name);
        ASSERT_LE(shown.size(), kLongestShownText + 1);
        EXPECT_GE(shown.size(), kLongestShownText);
        EXPECT_EQ(shown.back(), kEllipsis);
        const QString whole = QString::fromStdString(character);
        EXPECT_TRUE(
            shown.chopped(1).startsWith(whole.repeated(int(shown.size() - 1) / whole.size())));
        EXPECT_FALSE(shown[shown.size() - 2].isHighSurrogate()) << "a character was split";
    }
    const std::string exact(std::size_t(kLongestShownText), 'x');
    EXPECT_EQ(DisplayText(exact), QString::fromStdString(exact));
}

TEST(ByteText, AShortenedTextIsStoredUntouched)
{
    QLineEdit edit;
    ByteTextField field(&edit, 200);
    const std::string name = std::string(1 << 20, 'n') + "\xFF";
    field.Show(name);
    EXPECT_EQ(edit.text().size(), kLongestShownText + 1);
    EXPECT_EQ(field.Read(), name);

    edit.setText(QStringLiteral("Farm"));
    EXPECT_EQ(field.Read(), "Farm");
}

} // namespace
