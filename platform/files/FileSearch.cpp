// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileSearch.h"

#include "platform/AsciiCase.h"
#include "platform/files/FileFacts.h"
#include "platform/files/Paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace {

// Reads a directory entry by entry in the order the file system lists them,
// leaving out "." and "..".
class DirectoryReader
{
public:
    explicit DirectoryReader(const std::string& dir) : m_dir(opendir(dir.c_str()), closedir) {}

    bool IsOpen() const { return m_dir != nullptr; }
    int Fd() const { return dirfd(m_dir.get()); }

    const dirent* Next()
    {
        while (const dirent* entry = readdir(m_dir.get())) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                return entry;
        }
        return nullptr;
    }

private:
    std::unique_ptr<DIR, int (*)(DIR*)> m_dir;
};

// A symbolic link counts as a directory only when it resolves to one.
bool IsDirectoryEntry(const DirectoryReader& reader, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return false;
    struct stat status = {};
    return fstatat(reader.Fd(), entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

bool MatchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*" || pattern == "*.*")
        return true;
    if (pattern.starts_with("*."))
        return name.find('.') != std::string_view::npos &&
               EqualsNoCase(ExtensionOf(name), pattern.substr(2));
    return EqualsNoCase(name, pattern);
}

// The name in `dir` equal to `component` ignoring letter case, the first one
// the directory lists.
std::optional<std::string> FindNameNoCase(const std::string& dir, std::string_view component)
{
    DirectoryReader reader(dir);
    if (!reader.IsOpen())
        return std::nullopt;
    while (const dirent* entry = reader.Next()) {
        if (EqualsNoCase(entry->d_name, component))
            return std::string(entry->d_name);
    }
    return std::nullopt;
}

std::string Child(const std::string& resolved, std::string_view name)
{
    if (resolved.empty())
        return std::string(name);
    return JoinPath(resolved, name);
}

} // namespace

std::vector<FoundEntry> FindFiles(const std::string& dir, std::string_view pattern)
{
    std::vector<FoundEntry> found;
    DirectoryReader reader(dir);
    if (!reader.IsOpen())
        return found;
    while (const dirent* entry = reader.Next()) {
        if (!MatchesPattern(entry->d_name, pattern))
            continue;
        found.push_back(
            {entry->d_name, JoinPath(dir, entry->d_name), IsDirectoryEntry(reader, *entry)});
    }
    return found;
}

std::optional<std::string> ResolveNoCase(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    // The common case: every component is spelt as on disk, and an exact
    // match is what each step would prefer.
    if (PathExists(path))
        return path;
    // Empty while a relative path has no component yet.
    std::string resolved = path.front() == '/' ? "/" : "";
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string_view component = std::string_view(path).substr(start, end - start);
        start = end + 1;
        if (component.empty())
            continue;
        const std::string exact = Child(resolved, component);
        if (PathExists(exact)) {
            resolved = exact;
            continue;
        }
        const std::optional<std::string> name =
            FindNameNoCase(resolved.empty() ? "." : resolved, component);
        if (!name)
            return std::nullopt;
        resolved = Child(resolved, *name);
    }
    return resolved;
}

bool ExistsNoCase(const std::string& path)
{
    return ResolveNoCase(path).has_value();
}
