// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Paths.h"

#include <unistd.h>

#include <string>

namespace {

std::string ReadProgramLink()
{
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        // The link may have been cut short: try again with more room.
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::string JoinPath(std::string_view dir, std::string_view name)
{
    // An empty directory stands for the root, as DirectoryOf gives it for "/prog".
    std::string path(dir);
    if (path.empty() || path.back() != '/')
        path += '/';
    if (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    path += name;
    return path;
}

std::string DirectoryOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return "."; // a bare name lies in the current directory
    return std::string(path.substr(0, slash));
}

std::string_view FileNameOf(std::string_view path)
{
    return path.substr(path.rfind('/') + 1);
}

std::string_view ExtensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    return name.substr(dot + 1);
}

std::string ProgramFilePath()
{
    if (const ScriptedProgramFile* const script = ScriptedProgramFile::Active())
        return script->m_path;
    return ReadProgramLink();
}
