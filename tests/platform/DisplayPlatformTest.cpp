#include "platform/DisplayPlatform.h"
#include "tests/support/ScopedEnv.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointingDevice>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

TEST(DisplayPlatform, AWaylandSessionRunsOnWaylandWithX11AsFallback)
{
    const ScopedEnv display("WAYLAND_DISPLAY", QByteArray("wayland-0"));
    const ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt);
    PreferNativeWayland();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland;xcb");
}

TEST(DisplayPlatform, TheUsersChoiceAndX11SessionsStayAsTheyAre)
{
    {
        const ScopedEnv display("WAYLAND_DISPLAY", QByteArray("wayland-0"));
        const ScopedEnv platform("QT_QPA_PLATFORM", QByteArray("xcb"));
        PreferNativeWayland();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "xcb");
    }
    const ScopedEnv display("WAYLAND_DISPLAY", std::nullopt);
    const ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt);
    PreferNativeWayland();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
}

TEST(DisplayPlatform, GnomeAndTheOwnSessionAreFoundInTheDesktopList)
{
    struct Case
    {
        const char* desktops;
        bool gnome;
        bool ownSession;
    };
    for (const Case& c : {Case{"GNOME", true, false},
                          {"ubuntu:GNOME", true, false},
                          {"gnome-flashback:gnome", true, false},
                          {"KDE", false, false},
                          {"GNOME-Classic-Something", false, false},
                          {"Tapnest", false, true},
                          {"tapnest", false, true},
                          {"Tapnest-Other", false, false},
                          {"", false, false}}) {
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", QByteArray(c.desktops));
        EXPECT_EQ(RunsOnGnome(), c.gnome) << c.desktops;
        EXPECT_EQ(RunsInOwnSession(), c.ownSession) << c.desktops;
    }
    const ScopedEnv unset("XDG_CURRENT_DESKTOP", std::nullopt);
    EXPECT_FALSE(RunsOnGnome());
    EXPECT_FALSE(RunsInOwnSession());
}

TEST(DisplayPlatform, ATouchScreenIsFoundAmongTheInputDevicesButATouchPadIsNot)
{
    EXPECT_FALSE(TouchScreenPresent());
    const std::unique_ptr<QPointingDevice> pad(
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchPad));
    EXPECT_FALSE(TouchScreenPresent());
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    EXPECT_TRUE(TouchScreenPresent());
}

TEST(DisplayPlatform, TheDesktopEntryIsLookedForWhereDesktopsLook)
{
    const QTemporaryDir home;
    const QTemporaryDir system;
    const ScopedEnv dataHome("XDG_DATA_HOME", home.path().toUtf8());
    const ScopedEnv dataDirs("XDG_DATA_DIRS", system.path().toUtf8());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Test"));
    EXPECT_FALSE(DesktopEntryInstalled());

    for (const QTemporaryDir* dir : {&system, &home}) {
        ASSERT_TRUE(QDir(dir->path()).mkpath(QStringLiteral("applications")));
        QFile entry(dir->filePath(QStringLiteral("applications/org.example.Test.desktop")));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.close();
        EXPECT_TRUE(DesktopEntryInstalled()) << dir->path().toStdString();
        entry.remove();
    }
    QGuiApplication::setDesktopFileName({});
}
