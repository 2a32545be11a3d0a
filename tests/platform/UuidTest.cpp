// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Uuid.h"

#include <QUuid>
#include <gtest/gtest.h>

#include <set>

TEST(UuidTest, NewUuidTextIsUpperCaseRandomUuidWithoutBraces)
{
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i) {
        const std::string text = NewUuidText();
        ASSERT_EQ(text.size(), 36u) << text;
        const QString parsed = QString::fromStdString(text);
        EXPECT_EQ(QUuid::fromString(parsed).version(), QUuid::Random) << text;
        EXPECT_EQ(parsed.toUpper(), parsed);
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 50u);
}
