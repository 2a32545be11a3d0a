// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureGroup.h"

#include "library/BinaryIo.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileSearch.h"
#include "platform/files/Paths.h"

#include <string_view>
#include <unordered_map>

namespace {

// Bound on what is read of a group file or cut list: far above anything the
// dialogs write, low enough that a damaged file costs little memory.
constexpr std::uint64_t kReadLimit = 16 * 1024 * 1024;

constexpr std::string_view kCutListName = "cutshow.ini";

std::string GroupFileName(const std::string& folderName)
{
    return folderName + ".ini";
}

std::optional<std::string> ReadNoCase(const std::string& path, std::uint64_t limit)
{
    const std::optional<std::string> found = ResolveNoCase(path);
    if (!found)
        return std::nullopt;
    return ReadFilePrefix(*found, limit);
}

// Where `name` in `dir` is written: the file that is there already in any
// letter case, else the name inside the directory as it exists on disk.
std::string WriteTargetNoCase(const std::string& dir, std::string_view name)
{
    if (std::optional<std::string> existing = ResolveNoCase(JoinPath(dir, name)))
        return *existing;
    return JoinPath(ResolveNoCase(dir).value_or(dir), name);
}

} // namespace

GroupFileContents ReadGroupFile(const std::string& groupPath, const std::string& folderName)
{
    GroupFileContents contents;
    const std::optional<std::string> bytes =
        ReadNoCase(JoinPath(groupPath, GroupFileName(folderName)), kReadLimit);
    if (!bytes)
        return contents;
    contents.opened = true;
    // Reading stops at the first field that fails; failed reads leave their
    // field untouched, so later fields stay empty and `displayed` 0.
    BinaryReader reader(*bytes);
    contents.complete = reader.ReadCountedString(contents.name) &&
                        reader.ReadCountedString(contents.description) &&
                        reader.ReadInt32(contents.displayed);
    return contents;
}

FileResult WriteGroupFile(const std::string& groupPath, const std::string& folderName,
                          const std::string& name, const std::string& description,
                          std::int32_t displayed)
{
    BinaryWriter writer;
    writer.WriteCountedString(name);
    writer.WriteCountedString(description);
    writer.WriteInt32(displayed);
    return WriteFileAtomically(WriteTargetNoCase(groupPath, GroupFileName(folderName)),
                               writer.Bytes());
}

namespace {

// Calls `visit` with each name of the group's cut list, in the file's order,
// without keeping them.
template <typename Visit> void ForEachCutName(const std::string& groupPath, Visit visit)
{
    const std::optional<std::string> bytes =
        ReadNoCase(JoinPath(groupPath, kCutListName), kReadLimit);
    if (!bytes)
        return;
    BinaryReader reader(*bytes);
    std::int32_t count = 0;
    if (!reader.ReadInt32(count) || count <= 0)
        return;
    std::string name;
    for (std::int32_t i = 0; i < count && reader.ReadCountedString(name); ++i)
        visit(std::move(name));
}

} // namespace

std::vector<std::string> ReadCutList(const std::string& groupPath)
{
    std::vector<std::string> names;
    ForEachCutName(groupPath, [&names](std::string&& name) { names.push_back(std::move(name)); });
    return names;
}

std::vector<bool> ReadCutMarks(const std::string& groupPath,
                               const std::vector<FoundEntry>& pictures)
{
    std::unordered_map<std::string_view, std::size_t> indexOf;
    indexOf.reserve(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i)
        indexOf.emplace(pictures[i].name, i);
    std::vector<bool> marks(pictures.size(), false);
    ForEachCutName(groupPath, [&](std::string&& name) {
        if (const auto found = indexOf.find(name); found != indexOf.end())
            marks[found->second] = true;
    });
    return marks;
}

FileResult WriteCutList(const std::string& groupPath, const std::vector<std::string>& names)
{
    BinaryWriter writer;
    writer.WriteInt32(static_cast<std::int32_t>(names.size()));
    for (const std::string& name : names)
        writer.WriteCountedString(name);
    return WriteFileAtomically(WriteTargetNoCase(groupPath, kCutListName), writer.Bytes());
}
