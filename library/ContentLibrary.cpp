// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/ContentLibrary.h"

#include "platform/AsciiCase.h"
#include "platform/Uuid.h"
#include "platform/files/Paths.h"

#include <array>
#include <cctype>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr std::size_t kPictureExtensionCount = std::size(kPictureExtensions);

// Longer spellings collected together with the extension they stand for.
struct ExtensionAlias
{
    std::string_view alias;
    std::string_view extension;
};
constexpr ExtensionAlias kExtensionAliases[] = {{"JPEG", "JPE"}, {"TIFF", "TIF"}};

// Position of an extension in kPictureExtensions; none when it is no picture's.
std::optional<std::size_t> ExtensionIndex(std::string_view extension)
{
    for (const ExtensionAlias& alias : kExtensionAliases) {
        if (EqualsNoCase(extension, alias.alias))
            extension = alias.extension;
    }
    for (std::size_t i = 0; i < kPictureExtensionCount; ++i) {
        if (EqualsNoCase(extension, kPictureExtensions[i]))
            return i;
    }
    return std::nullopt;
}

// Position of the file's extension in kPictureExtensions; none when the file
// is no picture.
std::optional<std::size_t> PictureExtensionIndex(std::string_view fileName)
{
    return ExtensionIndex(ExtensionOf(fileName));
}

} // namespace

bool IsPictureExtension(std::string_view extension)
{
    return ExtensionIndex(extension).has_value();
}

bool IsGroupFolder(const std::string& installDir, const FoundEntry& entry)
{
    return entry.isDirectory && !EqualsNoCase(entry.name, kDefaultSoundFolder) &&
           ExistsNoCase(JoinPath(JoinPath(installDir, entry.name), entry.name + ".ini"));
}

bool IsLibraryItem(const std::string& installDir, const FoundEntry& entry)
{
    if (!entry.isDirectory)
        return EqualsNoCase(entry.name, kSettingsFileName);
    return EqualsNoCase(entry.name, kDefaultSoundFolder) || IsGroupFolder(installDir, entry);
}

std::vector<std::string> ListGroupFolders(const std::string& installDir)
{
    std::vector<std::string> names;
    for (FoundEntry& entry : FindFiles(installDir, "*.*")) {
        if (IsGroupFolder(installDir, entry))
            names.push_back(std::move(entry.name));
    }
    return names;
}

std::string OwnSoundPath(std::string_view picturePath)
{
    // A dot inside a directory name is no extension: a file name without one
    // gets ".wav" appended.
    const std::size_t dot = picturePath.rfind('.');
    const std::size_t slash = picturePath.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string(picturePath) + ".wav";
    return std::string(picturePath.substr(0, dot + 1)) + "wav";
}

std::vector<std::string> FindOwnSounds(const std::string& groupPath,
                                       const std::vector<FoundEntry>& pictures)
{
    std::unordered_set<std::string> exactNames;
    std::unordered_map<std::string, std::string> namesByFoldedCase; // the first listed one
    for (FoundEntry& sound : FindFiles(groupPath, "*.wav")) {
        if (sound.isDirectory)
            continue;
        namesByFoldedCase.emplace(FoldedAsciiCase(sound.name), sound.name);
        exactNames.insert(std::move(sound.name));
    }
    std::vector<std::string> sounds;
    sounds.reserve(pictures.size());
    for (const FoundEntry& picture : pictures) {
        const std::string wanted = OwnSoundPath(picture.name);
        if (exactNames.contains(wanted)) {
            sounds.push_back(JoinPath(groupPath, wanted));
        } else if (const auto found = namesByFoldedCase.find(FoldedAsciiCase(wanted));
                   found != namesByFoldedCase.end()) {
            sounds.push_back(JoinPath(groupPath, found->second));
        } else {
            sounds.emplace_back();
        }
    }
    return sounds;
}

std::string NewGroupFolderName()
{
    return NewUuidText();
}

bool IsNewGroupFolderName(std::string_view name)
{
    constexpr std::string_view kForm = "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx";
    if (name.size() != kForm.size())
        return false;
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        const bool isHex = std::isxdigit(static_cast<unsigned char>(name[i])) != 0;
        if (kForm[i] == '-' ? name[i] != '-' : !isHex)
            return false;
    }
    return true;
}

std::vector<std::string> ListDefaultSounds(const std::string& installDir)
{
    std::vector<std::string> paths;
    const std::optional<std::string> folder =
        ResolveNoCase(JoinPath(installDir, kDefaultSoundFolder));
    if (!folder)
        return paths;
    for (FoundEntry& entry : FindFiles(*folder, "*.wav")) {
        if (!entry.isDirectory) // a folder named like a sound cannot be played
            paths.push_back(std::move(entry.path));
    }
    return paths;
}

std::vector<FoundEntry> ListPictureFiles(const std::string& groupPath)
{
    // One listing, sorted into the extensions' order; each extension keeps
    // the listing order.
    std::array<std::vector<FoundEntry>, kPictureExtensionCount> byExtension;
    for (FoundEntry& entry : FindFiles(groupPath, "*")) {
        if (entry.isDirectory)
            continue;
        if (const std::optional<std::size_t> index = PictureExtensionIndex(entry.name))
            byExtension[*index].push_back(std::move(entry));
    }
    std::vector<FoundEntry> pictures;
    for (std::vector<FoundEntry>& entries : byExtension)
        std::move(entries.begin(), entries.end(), std::back_inserter(pictures));
    return pictures;
}
