// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Log.h"

#include <cstdio>
#include <cstring>

// Info and debug messages are off by default; warnings and worse are on.
Q_LOGGING_CATEGORY(lcFiles, "tapnest.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "tapnest.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLock, "tapnest.lock", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHelp, "tapnest.help", QtWarningMsg)

namespace {

QtMessageHandler g_qtHandler = nullptr;

bool IsOwnWarning(QtMsgType type, const QMessageLogContext& context)
{
    return (type == QtWarningMsg || type == QtCriticalMsg) && context.category &&
           std::strncmp(context.category, "tapnest.", 8) == 0;
}

void WriteMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (IsOwnWarning(type, context)) {
        std::fprintf(stderr, "tapnest: %s\n", message.toLocal8Bit().constData());
        std::fflush(stderr);
        return;
    }
    g_qtHandler(type, context, message);
}

} // namespace

void InstallLogFormat()
{
    g_qtHandler = qInstallMessageHandler(WriteMessage);
}
