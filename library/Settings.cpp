#include "library/Settings.h"

#include "library/BinaryIo.h"
#include "platform/files/FileIo.h"
#include "platform/files/InstallDir.h"
#include "platform/files/Paths.h"

#include <type_traits>

namespace {

constexpr std::size_t kFileSize = 36;

// Calls `visit` on each stored member in the order of the file.
template <typename SettingsType, typename Visit>
void ForEachStoredValue(SettingsType& settings, Visit visit)
{
    visit(settings.randomColor);
    visit(settings.clearBackground);
    visit(settings.keyDelayMs);
    visit(settings.timeLimitMinutes);
    visit(settings.keyDelayOn);
    visit(settings.backgroundColor);
    visit(settings.timeLimitOn);
    visit(settings.autoDisplayOn);
    visit(settings.autoDisplaySeconds);
}

} // namespace

void Settings::SetDefaults()
{
    clearBackground = 1;
    randomColor = 0;
    timeLimitMinutes = 10;
    keyDelayMs = 300;
    keyDelayOn = 1;
    backgroundColor = 0x00FF0000;
    timeLimitOn = 1;
    autoDisplayOn = 1;
    autoDisplaySeconds = 5;
}

bool Settings::Load()
{
    installDir = ResolveInstallDir(ProgramFilePath());
    iniPath = JoinPath(installDir, "Kipo.ini");
    const std::optional<std::string> bytes = ReadFilePrefix(iniPath, kFileSize);
    if (!bytes || bytes->size() < kFileSize) {
        SetDefaults();
        return false;
    }
    BinaryReader reader(*bytes);
    ForEachStoredValue(*this, [&reader](auto& value) {
        std::int32_t stored = 0;
        reader.ReadInt32(stored);
        value = static_cast<std::remove_reference_t<decltype(value)>>(stored);
    });
    return true;
}

void Settings::Save() const
{
    if (iniPath.empty())
        return;
    BinaryWriter writer;
    ForEachStoredValue(*this, [&writer](const auto& value) {
        writer.WriteInt32(static_cast<std::int32_t>(value));
    });
    WriteFileAtomically(iniPath, writer.Bytes());
}
