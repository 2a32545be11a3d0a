#include "dialogs/CopyIntoFolder.h"

#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "resources/StringTable.h"

#include <QProgressDialog>

#include <sys/stat.h>

namespace {

constexpr int kShowProgressAfterMs = 500;

bool Exists(const std::string& path)
{
    struct stat status = {};
    return lstat(path.c_str(), &status) == 0;
}

std::uint64_t SizeOf(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}

// Progress over all the bytes to copy, in per-mille so that any total fits
// the dialog's int range.
class CopyProgress
{
public:
    CopyProgress(QWidget* owner, std::uint64_t totalBytes)
        : m_dialog(QString(), QObject::tr("Cancel"), 0, 1000, owner), m_total(totalBytes)
    {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(kShowProgressAfterMs);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }

    void Report(std::uint64_t doneBytes)
    {
        if (m_total > 0)
            m_dialog.setValue(static_cast<int>(doneBytes * 1000 / m_total));
    }
    bool Cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    std::uint64_t m_total;
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
        if (Exists(destination)) {
            const MessageResult answer = ShowMessage({.owner = owner,
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
