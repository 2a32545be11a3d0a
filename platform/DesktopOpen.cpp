#include "platform/DesktopOpen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {

RecordedDesktopOpens* activeRecorder = nullptr;

} // namespace

void OpenWithDesktop(const std::string& target)
{
    if (activeRecorder) {
        activeRecorder->m_opened.push_back(target);
        return;
    }
    // "www.example.org" and "/home/me/a.pdf" are taken as a web address and a file, as the
    // shell takes them.
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

RecordedDesktopOpens::RecordedDesktopOpens() : m_outer(activeRecorder)
{
    activeRecorder = this;
}

RecordedDesktopOpens::~RecordedDesktopOpens()
{
    activeRecorder = m_outer;
}
