// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CopyIntoFolder.h"

#include "dialogframe/DisplayText.h"
#include "dialogs/FileFailureMessage.h"
#include "platform/MessageBox.h"
#include "platform/ProgressWindow.h"
#include "platform/files/FileFacts.h"
#include "platform/files/FileIo.h"
#include "platform/files/Paths.h"
#include "resources/StringTable.h"

#include <QElapsedTimer>

namespace {

constexpr int kShowProgressAfterMs = 500;

std::uint64_t SizeOf(const std::string& path)
{
    const std::optional<FileFacts> facts = FileFactsOf(path);
    return facts ? facts->size : 0;
}

// Progress over all the bytes to copy, in per-mille so that any total fits the dialog's int
// range. The window shows itself only once copying, not a question, has taken
// kShowProgressAfterMs, names the file being copied, and steps aside while a question is open,
// so that the question keeps the keyboard and the mouse.
class CopyProgress
{
public:
    CopyProgress(QWidget* owner, std::uint64_t totalBytes) : m_window(owner), m_total(totalBytes)
    {
        m_window.SetValue(0);
        m_copying.start();
    }

    void StartFile(std::string_view fileName) { m_window.SetText(DisplayText(fileName)); }

    void Report(std::uint64_t doneBytes)
    {
        if (m_total > 0)
            m_window.SetValue(static_cast<int>(doneBytes * 1000 / m_total));
        if (!m_window.IsShown() && m_copiedMs + m_copying.elapsed() >= kShowProgressAfterMs)
            m_window.Show();
        m_window.LetEventsThrough();
    }

    // The answer to a question asked with the window out of the way.
    MessageResult Ask(const MessageRequest& question)
    {
        m_copiedMs += m_copying.elapsed();
        const bool shown = m_window.IsShown();
        m_window.Hide();
        const MessageResult answer = ShowMessage(question);
        if (shown)
            m_window.Show();
        m_copying.restart();
        return answer;
    }

    // Tells of a failed copy with the window out of the way.
    void Tell(QWidget* owner, std::string_view fileName, const FileResult& failure,
              std::string_view advice)
    {
        m_window.Hide();
        TellFileFailure(owner, kStrFileNotCopied, fileName, failure, advice);
    }

    bool Cancelled() const { return m_window.Cancelled(); }

private:
    ProgressWindow m_window;
    std::uint64_t m_total;
    QElapsedTimer m_copying; // since copying last went on
    qint64 m_copiedMs = 0;   // copying before that
};

} // namespace

void CopyIntoFolder(QWidget* owner, const std::vector<std::string>& sources,
                    const std::string& folder, const std::string& question)
{
    std::uint64_t total = 0;
    for (const std::string& source : sources)
        total += SizeOf(source);
    CopyProgress progress(owner, total);
    std::uint64_t done = 0;
    for (auto source = sources.begin(); source != sources.end(); ++source) {
        if (progress.Cancelled())
            return;
        const std::string_view name = FileNameOf(*source);
        const std::string destination = JoinPath(folder, name);
        progress.StartFile(name);
        if (PathExists(destination)) {
            const MessageResult answer = progress.Ask({.owner = owner,
                                                       .text = FillIn(question, "%s", destination),
                                                       .caption = LoadString(kStrInformation),
                                                       .icon = MessageIcon::Question,
                                                       .buttons = MessageButtons::YesNoCancel,
                                                       .defaultButton = MessageResult::No});
            if (answer == MessageResult::Cancel)
                return;
            if (answer == MessageResult::No) {
                done += SizeOf(*source);
                progress.Report(done);
                continue;
            }
        }
        if (const FileResult copied = CopyFileAtomically(
                *source, destination, [&](std::uint64_t bytes) { progress.Report(done + bytes); });
            !copied) {
            // A source that cannot be read is that file's own trouble; what failed the copy
            // into the folder (a full disk, missing rights) fails the rest too.
            const bool sourceFailed = copied.Path() == *source;
            const bool more = !sourceFailed && source + 1 != sources.end();
            std::string advice = sourceFailed ? std::string() : LoadString(kStrTryAgain);
            if (more)
                advice = LoadString(kStrLaterFilesNotCopied) + ' ' + advice;
            progress.Tell(owner, name, copied, advice);
            if (!sourceFailed)
                return;
        }
        done += SizeOf(*source);
        progress.Report(done);
    }
}
