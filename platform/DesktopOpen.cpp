// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopOpen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

void OpenWithDesktop(const std::string& target)
{
    if (RecordedDesktopOpens* recorder = RecordedDesktopOpens::Active()) {
        recorder->m_opened.push_back(target);
        return;
    }
    // "www.example.org" and "/home/me/a.pdf" are taken as a web address and a file, as the
    // shell takes them.
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}
