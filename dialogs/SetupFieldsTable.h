// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/SettingsTable.h"
#include "resources/ResourceIds.h"

#include <cstddef>
#include <span>

// The controls of the setup dialog that show each setting, described once in
// dialogs/SetupFieldsTable.def.
struct SetupFieldSpec
{
    SettingName setting;
    SetupId shownBy; // the check box, edit or colour button
    SetupId upDown;  // SetupId::None when there is none
};

inline constexpr SetupFieldSpec kSetupFieldTable[] = {
#define SETUP_FIELD(setting, shown, upDown) {SettingName::setting, SetupId::shown, SetupId::upDown},
#include "dialogs/SetupFieldsTable.def"
#undef SETUP_FIELD
};

// Whether the rows name the settings in the settings table's order, each once.
constexpr bool FollowsTheSettingsTable(std::span<const SetupFieldSpec> rows)
{
    if (rows.size() != kSettingCount)
        return false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (SettingIndex(rows[i].setting) != i)
            return false;
    }
    return true;
}
static_assert(FollowsTheSettingsTable(kSetupFieldTable),
              "one row per setting, in the settings table's order");
