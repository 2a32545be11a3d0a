#include "dialogs/CopyIntoFolder.h"

#include "dialogs/ByteTextField.h"
#include "platform/MessageBox.h"
#include "platform/files/FileFacts.h"
#include "platform/files/FileIo.h"
#include "platform/files/Paths.h"
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <limits>

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
    CopyProgress(QWidget* owner, std::uint64_t totalBytes)
        : m_dialog(QString(), QObject::tr("Cancel"), 0, 1000, owner), m_total(totalBytes)
    {
        m_dialog.setWindowModality(Qt::WindowModal);
        // Shown by Report, never by the dialog's own timer.
        m_dialog.setMinimumDuration(std::numeric_limits<int>::max());
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
        m_copying.start();
    }

    void StartFile(std::string_view fileName) { m_dialog.setLabelText(DisplayText(fileName)); }

    void Report(std::uint64_t doneBytes)
    {
        if (m_total > 0)
            m_dialog.setValue(static_cast<int>(doneBytes * 1000 / m_total));
        if (!m_dialog.isVisible() && m_copiedMs + m_copying.elapsed() >= kShowProgressAfterMs)
            m_dialog.show();
        // Shown by hand, the window is repainted and its Cancel pressed only through this.
        if (m_dialog.isVisible())
            QCoreApplication::processEvents();
    }

    // The answer to a question asked with the window out of the way.
    MessageResult Ask(const MessageRequest& question)
    {
        m_copiedMs += m_copying.elapsed();
        const bool shown = m_dialog.isVisible();
        m_dialog.hide();
        const MessageResult answer = ShowMessage(question);
        if (shown)
            m_dialog.show();
        m_copying.restart();
        return answer;
    }

    bool Cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
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
    for (const std::string& source : sources) {
        if (progress.Cancelled())
            return;
        const std::string destination = JoinPath(folder, FileNameOf(source));
        progress.StartFile(FileNameOf(source));
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
                done += SizeOf(source);
                progress.Report(done);
                continue;
            }
        }
        CopyFileAtomically(source, destination,
                           [&](std::uint64_t copied) { progress.Report(done + copied); });
        done += SizeOf(source);
        progress.Report(done);
    }
}
