// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ByteTextField.h"

#include "dialogframe/DisplayText.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>

namespace {

// What the edit shows and what is read back: the very bytes shown while the text is unedited,
// whatever their code page, else the UTF-8 of what was typed.
TEST(ByteText, AnUneditedTextIsReadBackByteForByte)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        QString shown;
    };
    const Case cases[] = {
        {"UTF-8", "Caf\xC3\xA9", QStringLiteral("Café")},
        {"another code page", "Caf\xE9 Kinder", QStringLiteral("Café Kinder")},
        {"a sequence cut short", "Gar\xC3", QStringLiteral("GarÃ")},
        {"shortened", std::string(1 << 20, 'n') + "\xFF",
         QString(kLongestShownText, u'n') + QChar(0x2026)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit edit;
        ByteTextField field(&edit, 200);
        field.Show(c.bytes);
        EXPECT_EQ(edit.text(), c.shown);
        EXPECT_EQ(field.Read(), c.bytes);

        edit.setText(QStringLiteral("Zoo é"));
        EXPECT_EQ(field.Read(), "Zoo \xC3\xA9");
    }
}

} // namespace
