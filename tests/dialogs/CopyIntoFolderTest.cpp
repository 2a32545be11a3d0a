// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CopyIntoFolder.h"

#include "platform/MessageBox.h"
#include "platform/ProgressWindow.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WhenShown.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <optional>
#include <thread>

namespace {

constexpr const char* kQuestion = "File %s has existed. Overwrite it?";

class CopyIntoFolderTest : public ::testing::Test
{
protected:
    CopyIntoFolderTest()
    {
        m_sources = {m_library.WriteFile("in/a.png", "new a"),
                     m_library.WriteFile("in/b.png", "new b"),
                     m_library.WriteFile("in/c.png", "new c")};
        m_folder = m_library.MakeDir("group");
        m_library.WriteFile("group/b.png", "old b");
    }

    // Copies the three sources, answering the questions in turn.
    std::vector<MessageRequest> CopyAnswering(std::deque<MessageResult> answers)
    {
        ScriptedMessages messages([&](const MessageRequest&) {
            const MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        });
        CopyIntoFolder(nullptr, m_sources, m_folder, kQuestion);
        return messages.Shown();
    }

    TempLibrary m_library;
    std::vector<std::string> m_sources;
    std::string m_folder;
};

} // namespace

TEST_F(CopyIntoFolderTest, AsksBeforeReplacingAndYesReplaces)
{
    const auto asked = CopyAnswering({MessageResult::Yes});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text,
              "File " + m_library.PathOf("group/b.png") + " has existed. Overwrite it?");
    EXPECT_EQ(asked[0].caption, "Information");
    EXPECT_EQ(asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(asked[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked[0].defaultButton, MessageResult::No);
    EXPECT_EQ(m_library.ReadFile("group/a.png"), "new a");
    EXPECT_EQ(m_library.ReadFile("group/b.png"), "new b");
    EXPECT_EQ(m_library.ReadFile("group/c.png"), "new c");
}

TEST_F(CopyIntoFolderTest, NoSkipsOnlyThatFile)
{
    CopyAnswering({MessageResult::No});
    EXPECT_EQ(m_library.ReadFile("group/b.png"), "old b");
    EXPECT_EQ(m_library.ReadFile("group/c.png"), "new c");
}

TEST_F(CopyIntoFolderTest, CancelStopsBeforeTheRest)
{
    CopyAnswering({MessageResult::Cancel});
    EXPECT_EQ(m_library.ReadFile("group/a.png"), "new a");
    EXPECT_EQ(m_library.ReadFile("group/b.png"), "old b");
    EXPECT_EQ(m_library.ListingOrder("group").size(), 2u);
}

TEST_F(CopyIntoFolderTest, AFailedCopyIsToldAndOnlyTheFoldersFailureStopsTheRest)
{
    // A source gone since it was chosen: told, and the others are copied.
    m_sources.insert(m_sources.begin(), m_library.PathOf("in/missing.png"));
    auto shown = CopyAnswering({MessageResult::Ok, MessageResult::Yes});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "Tapnest");
    EXPECT_EQ(shown[0].text, "The file missing.png could not be copied.\n\n" +
                                 m_library.PathOf("in/missing.png") +
                                 ":\nNo such file or directory.");
    EXPECT_EQ(m_library.ReadFile("group/c.png"), "new c");

    // A folder that cannot take files: told once, naming the folder's reason, and the rest stop.
    m_folder = m_library.PathOf("gone");
    m_sources.erase(m_sources.begin());
    shown = CopyAnswering({MessageResult::Ok});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(m_library.PathOf("gone/a.png") + ":\nNo such file"),
              std::string::npos);
    EXPECT_NE(shown[0].text.find("The files after it were not copied."), std::string::npos);
}

namespace {

// A disk slow enough that copying the first file takes past the progress window's delay.
void SlowAt(const std::string& step, const std::string& slowStep)
{
    if (step == slowStep)
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
}

} // namespace

TEST_F(CopyIntoFolderTest, ProgressShowsOnceCopyingTookHalfASecondAndCancelStopsAfterTheFile)
{
    m_sources = {m_library.PathOf("in/a.png"), m_library.PathOf("in/c.png")};
    std::optional<ScriptedProgress> progress;
    progress.emplace([&](const std::string& step) {
        SlowAt(step, "value 500");
        if (step == "events")
            progress->PressCancel();
    });
    CopyAnswering({});
    EXPECT_EQ(progress->Steps(), (std::vector<std::string>{"value 0", "text a.png", "value 500",
                                                           "show", "events", "events"}));
    EXPECT_EQ(m_library.ReadFile("group/a.png"), "new a");
    EXPECT_EQ(m_library.ListingOrder("group").size(), 2u) << "c.png was copied after Cancel";
}

TEST_F(CopyIntoFolderTest, ProgressStepsAsideWhileAQuestionIsOpen)
{
    std::optional<ScriptedProgress> progress;
    progress.emplace([](const std::string& step) { SlowAt(step, "value 333"); });
    std::vector<bool> shownWhileAsked;
    ScriptedMessages messages([&](const MessageRequest&) {
        shownWhileAsked.push_back(progress->Shown());
        return MessageResult::Yes;
    });
    CopyIntoFolder(nullptr, m_sources, m_folder, kQuestion);
    EXPECT_EQ(shownWhileAsked, std::vector<bool>{false});
    EXPECT_EQ(progress->Steps(), (std::vector<std::string>{
                                     "value 0", "text a.png", "value 333", "show", "events",
                                     "events", "text b.png", "hide", "show", "value 666", "events",
                                     "events", "text c.png", "value 1000", "events", "events"}));
}

TEST_F(CopyIntoFolderTest, TimeSpentOnAQuestionDoesNotShowTheProgress)
{
    const ScriptedProgress progress;
    ScriptedMessages messages([](const MessageRequest&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        return MessageResult::Yes;
    });
    CopyIntoFolder(nullptr, m_sources, m_folder, kQuestion);
    EXPECT_EQ(progress.Steps(),
              (std::vector<std::string>{"value 0", "text a.png", "value 333", "text b.png",
                                        "value 666", "text c.png", "value 1000"}));
}

// The real question, answered from the keyboard well after the progress window's delay: the
// progress window never covers it nor takes its keys, and the file after it is copied.
TEST_F(CopyIntoFolderTest, TheQuestionKeepsTheKeyboardPastTheProgressDelay)
{
    m_sources = {m_library.PathOf("in/b.png"), m_library.PathOf("in/c.png")};
    bool forced = false;
    const WhenShown<QMessageBox> answer([&](QMessageBox& question) {
        QTimer::singleShot(1200, &question, [&forced, box = &question] {
            QWidget* const modal = QApplication::activeModalWidget();
            if (modal == box) {
                QTest::keyClick(modal, Qt::Key_Return); // its default, No
            } else {
                forced = true; // the keys would go elsewhere: end the copy, failing
                box->close();
            }
        });
    });
    CopyIntoFolder(nullptr, m_sources, m_folder, kQuestion);
    EXPECT_EQ(answer.Shows(), 1);
    EXPECT_FALSE(forced) << "No did not reach the question";
    EXPECT_EQ(m_library.ReadFile("group/b.png"), "old b");
    EXPECT_EQ(m_library.ReadFile("group/c.png"), "new c");
}
