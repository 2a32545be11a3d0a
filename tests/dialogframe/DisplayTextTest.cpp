// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DisplayText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QChar kEllipsis(0x2026);

// Valid UTF-8 is shown as it is; anything else through Windows-1252, byte by byte.
TEST(DisplayText, ShowsUtf8AsItIsAndAnythingElseThroughWindows1252)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        QString shown;
    };
    const Case cases[] = {
        {"ASCII", "Farm", QStringLiteral("Farm")},
        {"UTF-8", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", QStringLiteral("Café € 😀")},
        {"Latin letters", "Caf\xE9 Kinder", QStringLiteral("Café Kinder")},
        {"the euro sign and quotes", "\x80 \x93quoted\x94 \x85", QStringLiteral("€ “quoted” …")},
        {"the last of the range that differs from Latin-1", "\x9F\xA0\xFF",
         QStringLiteral("Ÿ\u00A0ÿ")},
        {"undefined bytes keep their control code points", "\x81\x8D\x8F\x90\x9D",
         QStringLiteral("\u0081\u008D\u008F\u0090\u009D")},
        {"a sequence cut short at the end", "Gar\xC3", QStringLiteral("GarÃ")},
        {"a sequence cut short inside", "\xE2\x82 x", QStringLiteral("â‚ x")},
        {"an encoded surrogate", "\xED\xA0\x80", QStringLiteral("í\u00A0€")},
        {"empty", "", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DisplayText(c.bytes), c.shown);
    }
}

// Megabytes of name, in characters of one to four bytes: the part shown
// ends at a whole character, with an ellipsis after it.
TEST(DisplayText, AHugeTextIsShownShortened)
{
    for (const std::string character :
         {"a", "\xC3\xA9", "\xE2\x86\x92", "\xF0\x9F\x98\x80", "\xE9"}) {
        SCOPED_TRACE(character.size());
        std::string name;
        while (name.size() < (std::size_t(16) << 20))
            name += character;
        const QString shown = DisplayText(name);
        ASSERT_LE(shown.size(), kLongestShownText + 1);
        EXPECT_GE(shown.size(), kLongestShownText);
        EXPECT_EQ(shown.back(), kEllipsis);
        const QString whole = DisplayText(character);
        EXPECT_TRUE(
            shown.chopped(1).startsWith(whole.repeated(int(shown.size() - 1) / whole.size())));
        EXPECT_FALSE(shown[shown.size() - 2].isHighSurrogate()) << "a character was split";
    }
    const std::string exact(std::size_t(kLongestShownText), 'x');
    EXPECT_EQ(DisplayText(exact), QString::fromStdString(exact));
}

} // namespace
