// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The nine user settings, described once in library/SettingsTable.def: their names, their
// place in Kipo.ini, their defaults, the range the setup dialog accepts and the flag that
// switches them on.

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
    SettingName switchedOnBy; // SettingName::None when always on
    std::int32_t (*get)(const StoredSettings& settings);
    void (*set)(StoredSettings& settings, std::int32_t value);
};

inline constexpr SettingSpec kSettingTable[] = {
#define SETTING(name, kind, file, value, low, high, switchedOnBy)                                  \
    {#name,                                                                                        \
     SettingKind::kind,                                                                            \
     file,                                                                                         \
     static_cast<std::int32_t>(value),                                                             \
     low,                                                                                          \
     high,                                                                                         \
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

// Whether the rows' file positions are 0 to the number of rows less one, each once.
constexpr bool FillsEveryFilePositionOnce(std::span<const SettingSpec> rows)
{
    std::array<bool, kSettingCount> taken{};
    if (rows.size() != taken.size())
        return false;
    for (const SettingSpec& row : rows) {
        const auto position = static_cast<std::size_t>(row.filePosition);
        if (row.filePosition < 0 || position >= taken.size() || taken[position])
            return false;
        taken[position] = true;
    }
    return true;
}
// Settings::Load and Save go through kSettingFileOrder: a position left empty would be null.
static_assert(FillsEveryFilePositionOnce(kSettingTable),
              "every place in Kipo.ini holds exactly one setting");

// The rows in the order of the file.
inline constexpr std::array<const SettingSpec*, kSettingCount> kSettingFileOrder = [] {
    std::array<const SettingSpec*, kSettingCount> order{};
    for (const SettingSpec& row : kSettingTable)
        order[static_cast<std::size_t>(row.filePosition)] = &row;
    return order;
}();
