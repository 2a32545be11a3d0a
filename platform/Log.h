// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The diagnostic trail: failures the program by design does not show the user (a write, copy,
// rename, deletion or folder creation that failed, a sound the beep stood in for, a help file
// that cannot be read). They are recorded at info level and stay quiet unless enabled, as by
// QT_LOGGING_RULES="tapnest.*=true". Warnings are for what is shown by default.
Q_DECLARE_LOGGING_CATEGORY(lcFiles) // "tapnest.files"
Q_DECLARE_LOGGING_CATEGORY(lcSound) // "tapnest.sound"
Q_DECLARE_LOGGING_CATEGORY(lcLock)  // "tapnest.lock"
Q_DECLARE_LOGGING_CATEGORY(lcHelp)  // "tapnest.help"

// Makes the program's warnings read as its own lines on standard error, "tapnest: <message>";
// everything else keeps Qt's format. Called once at start-up.
void InstallLogFormat();
