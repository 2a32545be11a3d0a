// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmChild.h"
#include "tests/support/HelpFileMaker.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

class ChmChildTest : public ::testing::Test
{
protected:
    TempLibrary library;
    const std::string path = CompileHelpFile(library, "sample.chm", SampleHelpSources(), "Tests");
};

TEST_F(ChmChildTest, AnswersForTheFileItHolds)
{
    const auto child = ChmChild::Start(path);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->Ask(ChmChild::Request::Holds, "/index.html").has_value());
    EXPECT_FALSE(child->Ask(ChmChild::Request::Holds, "/nothing.html").has_value());
    const std::optional<std::string> page = child->Ask(ChmChild::Request::Read, "/Faq.html");
    ASSERT_TRUE(page.has_value());
    EXPECT_NE(page->find("Questions page"), std::string::npos);
    EXPECT_EQ(child->Ask(ChmChild::Request::FindContents, {}), "/toc.hhc");
    EXPECT_FALSE(child->IsBroken()) << "a missing object is no failure";

    EXPECT_EQ(ChmChild::Start(library.WriteFile("text.chm", "ITSF but not really")), nullptr);
    EXPECT_EQ(ChmChild::Start(library.MakeDir("folder.chm")), nullptr);
}

// A child caught in a loop stops answering, one that crashed is gone: either way the request
// fails in bounded time, the child is ended, and every later request fails at once.
TEST_F(ChmChildTest, AChildThatStopsAnsweringOrDiesFailsEveryRequestAfter)
{
    for (const int signal : {SIGSTOP, SIGKILL}) {
        SCOPED_TRACE(signal);
        const auto child = ChmChild::Start(path);
        ASSERT_NE(child, nullptr);
        ASSERT_GT(child->ProcessId(), 0);
        ASSERT_EQ(kill(child->ProcessId(), signal), 0);
        EXPECT_FALSE(child->Ask(ChmChild::Request::Read, "/index.html").has_value());
        EXPECT_TRUE(child->IsBroken());
        EXPECT_FALSE(child->Ask(ChmChild::Request::Holds, "/index.html").has_value());
    }
}

} // namespace
