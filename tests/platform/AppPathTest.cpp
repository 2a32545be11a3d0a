// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppPath.h"

#include "tests/support/TempLibrary.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <filesystem>

// Whoever runs the program, root too, the path goes to the user's own settings and never to
// the system-wide ones; a later start records its own folder over the earlier one.
TEST(AppPathTest, RecordsTheInstallDirectoryInTheUsersOwnSettings)
{
    const TempLibrary userConfig;
    const TempLibrary systemConfig;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(userConfig.InstallDir()));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope,
                       QString::fromStdString(systemConfig.InstallDir()));

    for (const std::string installDir :
         {"/opt/tap nest/\xc3\xa9t\xc3\xa9", "/home/p/.local/share/tapnest"}) {
        SCOPED_TRACE(installDir);
        WriteAppPath(installDir);

        const QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Quillwork",
                                 "Tapnest");
        EXPECT_EQ(settings.value("2.0/AppPath").toString().toStdString(), installDir);
        const std::string file = userConfig.ReadFile("Quillwork/Tapnest.ini");
        EXPECT_NE(file.find("[2.0]"), std::string::npos) << file;
        EXPECT_NE(file.find("AppPath="), std::string::npos) << file;
        EXPECT_TRUE(std::filesystem::is_empty(systemConfig.InstallDir()));
    }
}
