// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmChild.h"
#include "platform/files/Paths.h"
#include "tests/support/HelpFileMaker.h"
#include "tests/support/LogRecorder.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

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

// The reader is looked for beside the program file. One that is missing, cannot be run or
// never greets leaves every help file missing, and says why on the help's log.
TEST_F(ChmChildTest, WithoutAReaderThatStartsEveryFileCountsAsMissing)
{
    const struct
    {
        const char* what;
        const char* script; // the reader's bytes, or nothing
        mode_t mode;
        const char* logged;
    } cases[] = {
        {"missing", nullptr, 0, "cannot start the help file's reader"},
        {"not executable", "#!/bin/sh\n", 0644, "cannot start the help file's reader"},
        {"ending without a greeting", "#!/bin/sh\nexit 0\n", 0755, "stopped answering"},
    };
    for (const auto& [what, script, mode, logged] : cases) {
        SCOPED_TRACE(what);
        const TempLibrary elsewhere;
        const ScriptedProgramFile program(elsewhere.PathOf("tapnest"));
        if (script) {
            ASSERT_EQ(chmod(elsewhere.WriteFile(ChmChild::kReaderName, script).c_str(), mode), 0);
        }
        const LogRecorder log("tapnest.help=true");
        EXPECT_EQ(ChmChild::Start(path), nullptr);
        EXPECT_EQ(ChmFile::Open(path), nullptr);
        ASSERT_FALSE(log.Logged().empty());
        EXPECT_EQ(log.Logged().front().category, "tapnest.help");
        EXPECT_NE(log.Logged().front().text.find(logged), std::string::npos)
            << log.Logged().front().text;
    }
}

} // namespace
