#include "platform/AppPath.h"

#include <QFile>
#include <QSettings>

void WriteAppPath(const std::string& installDir)
{
    // Without the rights to the system-wide file QSettings keeps its status
    // to itself; nothing is reported, as wanted.
    QSettings settings(QSettings::IniFormat, QSettings::SystemScope, "Quillwork", "Tapnest");
    settings.beginGroup("2.0");
    settings.setValue("AppPath", QFile::decodeName(QByteArray::fromStdString(installDir)));
    settings.endGroup();
    settings.sync();
}
