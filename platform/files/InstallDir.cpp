// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/InstallDir.h"

#include "platform/Log.h"
#include "platform/files/Paths.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderName = "tapnest";

bool IsDirectory(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string HomeDirectory()
{
    if (const char* home = getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

bool IsWritable(const std::string& dir)
{
    if (const ScriptedInstallSystem* const script = ScriptedInstallSystem::Active())
        return script->IsWritable(dir);
    return access(dir.c_str(), W_OK) == 0;
}

std::string UserDataHome()
{
    if (const ScriptedInstallSystem* const script = ScriptedInstallSystem::Active())
        return script->UserDataHome();
    const char* const dataHome = getenv("XDG_DATA_HOME");
    return UserDataHomeOf(dataHome ? dataHome : "", HomeDirectory());
}

// Copies the library items of `source` into the new folder `scratch`. False as
// soon as one item fails.
bool CopyLibrary(const std::string& source, const LibraryItemCheck& isLibraryItem,
                 const std::string& scratch)
{
    std::error_code error;
    fs::directory_iterator item(source, error);
    for (; !error && item != fs::directory_iterator(); item.increment(error)) {
        const std::string name = item->path().filename().string();
        std::error_code unresolved; // a dangling link is no directory
        const FoundEntry entry{name, item->path().string(), item->is_directory(unresolved)};
        if (!isLibraryItem(source, entry))
            continue;
        fs::copy(entry.path, JoinPath(scratch, name), fs::copy_options::recursive, error);
        if (error)
            return false;
    }
    return !error;
}

// Makes `target` a copy of the library items of `source`. The copy is made in a
// scratch folder beside `target` and renamed into place, so an interrupted copy
// never leaves a half-seeded folder that later starts would take for a finished
// one.
bool SeedFolder(const std::string& source, const LibraryItemCheck& isLibraryItem,
                const std::string& target)
{
    std::error_code error;
    const std::string parent = DirectoryOf(target);
    fs::create_directories(parent, error);
    std::string scratch = JoinPath(parent, ".tapnest-seed-XXXXXX");
    if (!mkdtemp(scratch.data())) {
        qCInfo(lcFiles, "cannot create a folder in %s to fill %s", parent.c_str(), target.c_str());
        return false;
    }
    if (!CopyLibrary(source, isLibraryItem, scratch)) {
        qCInfo(lcFiles, "cannot copy %s to %s", source.c_str(), scratch.c_str());
        fs::remove_all(scratch, error);
    } else if (fs::rename(scratch, target, error); error) {
        qCInfo(lcFiles, "cannot rename %s to %s: %s", scratch.c_str(), target.c_str(),
               error.message().c_str());
        fs::remove_all(scratch, error);
    }
    // Another start may have made the folder meanwhile; that one counts.
    return IsDirectory(target);
}

} // namespace

std::string UserDataHomeOf(std::string_view xdgDataHome, std::string_view home)
{
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/')
        return std::string(xdgDataHome);
    return home.empty() ? std::string() : JoinPath(home, ".local/share");
}

std::string ShippedDataDir(const std::string& programDir)
{
    return fs::path(JoinPath(programDir, "../../share/tapnest")).lexically_normal().string();
}

std::string ResolveInstallDir(const std::string& programFile, const LibraryItemCheck& isLibraryItem)
{
    const std::string programDir = DirectoryOf(programFile);
    const std::string shipped = ShippedDataDir(programDir);
    const bool installed = IsDirectory(shipped);
    if (!installed && IsWritable(programDir))
        return programDir;

    const std::string seedSource = installed ? shipped : programDir;
    const std::string dataHome = UserDataHome();
    if (dataHome.empty())
        return seedSource;
    const std::string userDir = JoinPath(dataHome, kFolderName);
    if (IsDirectory(userDir))
        return userDir;
    return SeedFolder(seedSource, isLibraryItem, userDir) ? userDir : seedSource;
}

std::string ShippedFilePath(const std::string& installDir, std::string_view name)
{
    const std::string programDir = DirectoryOf(ProgramFilePath());
    for (const std::string& dir : {installDir, ShippedDataDir(programDir), programDir}) {
        if (std::optional<std::string> found = ResolveNoCase(JoinPath(dir, name)))
            return std::move(*found);
    }
    return JoinPath(installDir, name);
}
