// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Log.h"

#include "platform/files/FileIo.h"
#include "platform/files/Folders.h"
#include "tests/support/LogRecorder.h"
#include "tests/support/TempLibrary.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <stdio.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// What standard error receives while it lives.
class StandardErrorCapture
{
public:
    StandardErrorCapture() : m_file(tmpfile()), m_saved(dup(STDERR_FILENO))
    {
        fflush(stderr);
        dup2(fileno(m_file), STDERR_FILENO);
    }
    ~StandardErrorCapture()
    {
        fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        fclose(m_file);
    }
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    std::string Text() const
    {
        fflush(stderr);
        std::string text(static_cast<std::size_t>(ftell(m_file)), '\0');
        rewind(m_file);
        text.resize(fread(text.data(), 1, text.size(), m_file));
        return text;
    }

private:
    FILE* m_file;
    int m_saved;
};

TEST(DiagnosticTrail, FailedFileOperationsAreRecordedOnlyWhenEnabled)
{
    TempLibrary library;
    const std::string unwritable = library.PathOf("missing/Kipo.ini");
    {
        const LogRecorder quiet;
        EXPECT_FALSE(WriteFileAtomically(unwritable, "bytes"));
        EXPECT_FALSE(RemoveFile(library.PathOf("gone.wav")));
        EXPECT_TRUE(quiet.Logged().empty());
    }
    const LogRecorder enabled("tapnest.*=true");
    EXPECT_FALSE(WriteFileAtomically(unwritable, "bytes"));
    EXPECT_FALSE(CopyFileAtomically(library.PathOf("none.png"), library.PathOf("copy.png")));
    EXPECT_FALSE(MakeFolder(library.PathOf("missing/group")));
    ASSERT_EQ(enabled.Logged().size(), 3u);
    for (const LoggedMessage& message : enabled.Logged()) {
        EXPECT_EQ(message.category, "tapnest.files");
        EXPECT_EQ(message.type, QtInfoMsg);
    }
    EXPECT_NE(enabled.Logged()[0].text.find(unwritable), std::string::npos);
    EXPECT_NE(enabled.Logged()[1].text.find("none.png"), std::string::npos);
    EXPECT_NE(enabled.Logged()[2].text.find("missing/group"), std::string::npos);
}

TEST(DiagnosticTrail, OnlyWarningsAreShownByDefaultAndReadAsTheProgramsOwnLines)
{
    for (const QLoggingCategory* category : {&lcFiles(), &lcSound(), &lcLock(), &lcHelp()}) {
        SCOPED_TRACE(category->categoryName());
        EXPECT_EQ(std::string(category->categoryName()).rfind("tapnest.", 0), 0u);
        EXPECT_FALSE(category->isInfoEnabled());
        EXPECT_TRUE(category->isWarningEnabled());
    }

    const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    InstallLogFormat();
    const StandardErrorCapture standardError;
    QLoggingCategory::setFilterRules("tapnest.files.info=true");
    qCInfo(lcSound, "quiet");
    qCWarning(lcLock, "cannot grab the keyboard");
    qCInfo(lcFiles, "cannot delete a.wav");
    QLoggingCategory::setFilterRules({});
    const std::string shown = standardError.Text();
    qInstallMessageHandler(previous);
    EXPECT_EQ(shown.find("quiet"), std::string::npos);
    EXPECT_NE(shown.find("tapnest: cannot grab the keyboard\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("tapnest.files: cannot delete a.wav\n"), std::string::npos) << shown;
}

} // namespace
