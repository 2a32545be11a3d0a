// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

#include <string>
#include <vector>

struct LoggedMessage
{
    std::string category;
    QtMsgType type;
    std::string text;
};

// Records what reaches the message handler while it lives, under the given
// filter rules. One lives at a time.
class LogRecorder
{
public:
    explicit LogRecorder(const QString& rules = {}) : m_previous(qInstallMessageHandler(Keep))
    {
        Messages().clear();
        QLoggingCategory::setFilterRules(rules);
    }
    ~LogRecorder()
    {
        QLoggingCategory::setFilterRules({});
        qInstallMessageHandler(m_previous);
    }
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;

    const std::vector<LoggedMessage>& Logged() const { return Messages(); }

private:
    static std::vector<LoggedMessage>& Messages()
    {
        static std::vector<LoggedMessage> messages;
        return messages;
    }
    static void Keep(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        Messages().push_back(
            {context.category ? context.category : "", type, message.toStdString()});
    }

    QtMessageHandler m_previous;
};
