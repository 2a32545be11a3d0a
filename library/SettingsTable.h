// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/ResourceIds.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The nine user settings, described once in library/SettingsTable.def: their names, their
// place in Kipo.ini, their defaults, the range the setup dialog accepts and the controls that
// show them.

enum class SettingKind {
    Flag,   // a check box: ticked is 1, not ticked 0
    Number, // a decimal integer in an edit with an up-down
    Colour, // 0x00BBGGRR, chosen with the colour dialog
};

template <SettingKind kind> struct SettingValue
{
    using Type = std::int32_t;
};
template <> struct SettingValue<SettingKind::Colour>
{
    using Type = std::uint32_t;
};

// The nine values as Kipo.ini stores them: one member per row of the table.
struct StoredSettings
{
#define SETTING(name, kind, ...) SettingValue<SettingKind::kind>::Type name = 0;
#include "library/SettingsTable.def"
#undef SETTING
};

// The rows of the table, in its order.
enum class SettingName {
#define SETTING(name, ...) name,
#include "library/SettingsTable.def"
#undef SETTING
    None, // no setting
};

struct SettingSpec
{
    std::string_view name;
    SettingKind kind;
    int filePosition; // index of its 32-bit integer in Kipo.ini
    std::int32_t defaultValue;
    std::int32_t lowest; // what the setup dialog accepts, for a Number
    std::int32_t highest;
    SetupId shownBy; // the check box, edit or colour button of the setup dialog
    SetupId upDown;  // SetupId::None when there is none
    SettingName switchedOnBy;
    std::int32_t (*get)(const StoredSettings& settings);
    void (*set)(StoredSettings& settings, std::int32_t value);
};

inline constexpr SettingSpec kSettingTable[] = {
#define SETTING(name, kind, file, value, low, high, shown, upDown, switchedOnBy)                   \
    {#name,                                                                                        \
     SettingKind::kind,                                                                            \
     file,                                                                                         \
     static_cast<std::int32_t>(value),                                                             \
     low,                                                                                          \
     high,                                                                                         \
     SetupId::shown,                                                                               \
     SetupId::upDown,                                                                              \
     SettingName::switchedOnBy,                                                                    \
     [](const StoredSettings& settings) { return static_cast<std::int32_t>(settings.name); },      \
     [](StoredSettings& settings, std::int32_t stored) {                                           \
         settings.name = static_cast<decltype(StoredSettings::name)>(stored);                      \
     }},
#include "library/SettingsTable.def"
#undef SETTING
};

inline constexpr std::size_t kSettingCount = std::size(kSettingTable);

constexpr std::size_t SettingIndex(SettingName name)
{
    return static_cast<std::size_t>(name);
}

constexpr const SettingSpec& SettingRow(SettingName name)
{
    return kSettingTable[SettingIndex(name)];
}

// The rows in the order of the file.
inline constexpr std::array<const SettingSpec*, kSettingCount> kSettingFileOrder = [] {
    std::array<const SettingSpec*, kSettingCount> order{};
    for (const SettingSpec& row : kSettingTable)
        order[static_cast<std::size_t>(row.filePosition)] = &row;
    return order;
}();
