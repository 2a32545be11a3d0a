// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

namespace {

// A socket that takes connections, which is all a Wayland client looks for before it talks;
// the probes here never fill its backlog.
class ListeningSocket
{
public:
    explicit ListeningSocket(const QByteArray& path) : m_fd(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
        EXPECT_EQ(bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(listen(m_fd, 16), 0);
    }
    ~ListeningSocket() { close(m_fd); }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

private:
    int m_fd;
};

} // namespace

TEST(DisplayPlatform, ADisplayThatCannotBeOpenedIsToldForEachPlatformQtWouldTry)
{
    const QTemporaryDir runtime;
    const QByteArray compositor = runtime.filePath(QStringLiteral("compositor")).toUtf8();
    const QByteArray nobody = runtime.filePath(QStringLiteral("nobody")).toUtf8();
    const ListeningSocket listening(compositor);
    using Env = std::optional<QByteArray>;
    const struct
    {
        Env platform;
        Env sessionType;
        Env waylandDisplay;
        Env runtimeDir;
        Env x11Display;
        std::string reason;
    } cases[] = {
        {{}, {}, {}, {}, {}, "DISPLAY is not set"},
        {{}, "wayland", {}, {}, {}, "WAYLAND_DISPLAY is not set; DISPLAY is not set"},
        {{}, "wayland", compositor, {}, {}, ""},
        {"xcb", {}, {}, {}, ":4711", "the X display \":4711\" cannot be opened"},
        {"wayland;xcb",
         {},
         nobody,
         {},
         {},
         "the Wayland display \"" + nobody.toStdString() +
             "\" cannot be opened; DISPLAY is not set"},
        {"wayland",
         {},
         "nobody",
         runtime.path().toUtf8(),
         {},
         "the Wayland display \"nobody\" cannot be opened"},
        {"wayland", {}, "compositor", runtime.path().toUtf8(), {}, ""},
        {"wayland", {}, "compositor", {}, {}, "XDG_RUNTIME_DIR is not set"},
        {"wayland-egl:option;xcb", {}, compositor, {}, {}, ""},
        {"wayland;offscreen", {}, nobody, {}, {}, ""},
        {"offscreen", {}, {}, {}, {}, ""},
    };
    const ScopedEnv socket("WAYLAND_SOCKET", std::nullopt);
    for (const auto& c : cases) {
        const ScopedEnv platform("QT_QPA_PLATFORM", c.platform);
        const ScopedEnv sessionType("XDG_SESSION_TYPE", c.sessionType);
        const ScopedEnv waylandDisplay("WAYLAND_DISPLAY", c.waylandDisplay);
        const ScopedEnv runtimeDir("XDG_RUNTIME_DIR", c.runtimeDir);
        const ScopedEnv x11Display("DISPLAY", c.x11Display);
        EXPECT_EQ(DisplayUnavailableReason(), c.reason)
            << c.platform.value_or("(none)").toStdString() << " "
            << c.waylandDisplay.value_or("(none)").toStdString();
    }
}
