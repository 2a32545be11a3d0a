#include "platform/DisplayPlatform.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <optional>

namespace {

// Sets or clears an environment variable for one test and puts it back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : m_name(name),
          m_saved(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                                  : std::nullopt)
    {
        Set(value);
    }
    ~ScopedEnv() { Set(m_saved); }

private:
    void Set(const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }

    const char* m_name;
    std::optional<QByteArray> m_saved;
};

} // namespace

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
