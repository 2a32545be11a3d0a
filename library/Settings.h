#pragma once

#include <cstdint>
#include <string>

// The nine user settings, the installation directory every other path is
// formed from, and the run-time flag `playing`. Stored in Kipo.ini as nine
// 32-bit little-endian integers (36 bytes).
struct Settings
{
    std::int32_t clearBackground = 0;
    std::int32_t randomColor = 0;
    std::int32_t timeLimitMinutes = 0;
    std::int32_t keyDelayMs = 0;
    std::string iniPath;
    std::string installDir;
    std::int32_t keyDelayOn = 0;
    std::uint32_t backgroundColor = 0; // 0x00BBGGRR
    bool playing = false;
    std::int32_t timeLimitOn = 0;
    std::int32_t autoDisplayOn = 0;
    std::int32_t autoDisplaySeconds = 0;

    // The nine defaults; leaves iniPath, installDir and playing alone.
    void SetDefaults();
    // Recomputes installDir (by ResolveInstallDir from ProgramFilePath()) and
    // iniPath, then reads the file. False, with the defaults in memory, when the file cannot
    // be opened or holds fewer than 36 bytes.
    bool Load();
    // Writes the nine values to iniPath atomically; failures are silent.
    void Save() const;
};
