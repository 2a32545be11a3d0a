// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/Settings.h"

#include "library/BinaryIo.h"
#include "library/ContentLibrary.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileSearch.h"
#include "platform/files/InstallDir.h"
#include "platform/files/Paths.h"

namespace {

constexpr std::size_t kFileSize = 4 * kSettingCount;

} // namespace

void Settings::SetDefaults()
{
    for (const SettingSpec& row : kSettingTable)
        row.set(*this, row.defaultValue);
}

bool Settings::Load()
{
    installDir = ResolveInstallDir(ProgramFilePath(), IsLibraryItem);
    // Found in any letter case and written back under the name it has.
    const std::string usual = JoinPath(installDir, kSettingsFileName);
    iniPath = ResolveNoCase(usual).value_or(usual);
    const std::optional<std::string> bytes = ReadFilePrefix(iniPath, kFileSize);
    if (!bytes || bytes->size() < kFileSize) {
        SetDefaults();
        return false;
    }
    BinaryReader reader(*bytes);
    for (const SettingSpec* row : kSettingFileOrder) {
        std::int32_t stored = 0;
        reader.ReadInt32(stored);
        row->set(*this, stored);
    }
    return true;
}

FileResult Settings::Save() const
{
    // A file made read-only keeps what it holds: that is what its owner asked for.
    if (iniPath.empty() || IsReadOnlyFile(iniPath))
        return {};
    BinaryWriter writer;
    for (const SettingSpec* row : kSettingFileOrder)
        writer.WriteInt32(row->get(*this));
    return WriteFileAtomically(iniPath, writer.Bytes());
}
