// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Uuid.h"

#include <gtest/gtest.h>

#include <set>

TEST(UuidTest, NewUuidTextIsUpperCaseRandomUuidWithoutBraces)
{
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i) {
        const std::string text = NewUuidText();
        ASSERT_EQ(text.size(), 36u) << text;
        for (std::size_t at = 0; at < text.size(); ++at) {
            const char c = text[at];
            if (at == 8 || at == 13 || at == 18 || at == 23)
                EXPECT_EQ(c, '-') << text;
            else
                EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << text;
        }
        EXPECT_EQ(text[14], '4') << "random-number version: " << text;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 50u);
}
