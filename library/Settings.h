// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/SettingsTable.h"
#include "platform/files/FileResult.h"

#include <string>

// The nine user settings (see SettingsTable.h) and the installation directory every other
// path is formed from. Stored in Kipo.ini as nine 32-bit little-endian integers (36 bytes).
struct Settings : StoredSettings
{
    std::string iniPath;
    std::string installDir;

    // The nine defaults; leaves iniPath and installDir alone.
    void SetDefaults();
    // Recomputes installDir (by ResolveInstallDir from ProgramFilePath()) and
    // iniPath (Kipo.ini there, found in any letter case), then reads the file. False, with the
    // defaults in memory, when the file cannot be opened or holds fewer than 36 bytes.
    bool Load();
    // Writes the nine values to iniPath atomically. A read-only file is left as it is, and
    // counts as success.
    FileResult Save() const;
};
