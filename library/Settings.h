#pragma once

#include "library/SettingsTable.h"

#include <string>

// The nine user settings (see SettingsTable.h), the installation directory every other path
// is formed from, and the run-time flag `playing`. Stored in Kipo.ini as nine 32-bit
// little-endian integers (36 bytes).
struct Settings : StoredSettings
{
    std::string iniPath;
    std::string installDir;
    bool playing = false;

    // The nine defaults; leaves iniPath, installDir and playing alone.
    void SetDefaults();
    // Recomputes installDir (by ResolveInstallDir from ProgramFilePath()) and
    // iniPath, then reads the file. False, with the defaults in memory, when the file cannot
    // be opened or holds fewer than 36 bytes.
    bool Load();
    // Writes the nine values to iniPath atomically; failures are silent.
    void Save() const;
};
