// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

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
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

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
