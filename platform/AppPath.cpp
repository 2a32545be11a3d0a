// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppPath.h"

#include "platform/Log.h"

#include <QFile>
#include <QSettings>

void WriteAppPath(const std::string& installDir)
{
    // A failure is not shown, as wanted; the trail keeps it.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Quillwork", "Tapnest");
    settings.beginGroup("2.0");
    settings.setValue("AppPath", QFile::decodeName(QByteArray::fromStdString(installDir)));
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCInfo(lcFiles, "cannot record the program's folder in %s",
               qUtf8Printable(settings.fileName()));
}
