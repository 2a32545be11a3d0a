#include "platform/AppPath.h"

#include "tests/support/TempLibrary.h"

#include <QSettings>
#include <gtest/gtest.h>

TEST(AppPathTest, RecordsTheInstallDirectoryInTheSystemScope)
{
    const TempLibrary systemConfig;
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope,
                       QString::fromStdString(systemConfig.InstallDir()));

    WriteAppPath("/opt/tap nest/\xc3\xa9t\xc3\xa9");

    const QSettings settings(QSettings::IniFormat, QSettings::SystemScope, "Quillwork", "Tapnest");
    EXPECT_EQ(settings.value("2.0/AppPath").toString().toStdString(),
              "/opt/tap nest/\xc3\xa9t\xc3\xa9");
    const std::string file = systemConfig.ReadFile("Quillwork/Tapnest.ini");
    EXPECT_NE(file.find("[2.0]"), std::string::npos) << file;
    EXPECT_NE(file.find("AppPath="), std::string::npos) << file;
}
