// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmFile.h"

#include "platform/help/ChmChild.h"

#include <chm_lib.h>

namespace {

// Record codes of the file's "/#SYSTEM" object.
constexpr unsigned kSystemContentsFile = 0;
constexpr unsigned kSystemDefaultTopic = 2;
constexpr unsigned kSystemTitle = 3;

unsigned ReadLe16(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// A text of the system data ends at its first zero byte.
std::string TextUpToZero(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string AsObjectPath(std::string name)
{
    if (!name.empty() && name.front() != '/')
        name.insert(name.begin(), '/');
    return name;
}

// A path ending in '/' names a folder, which has no bytes to show.
bool IsUsablePath(std::string_view objectPath)
{
    return !objectPath.empty() && objectPath.back() != '/' &&
           objectPath.size() <= CHM_MAX_PATHLEN && objectPath.find('\0') == std::string_view::npos;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const std::string& path)
{
    std::unique_ptr<ChmChild> child = ChmChild::Start(path);
    if (!child)
        return nullptr;
    std::unique_ptr<ChmFile> file(new ChmFile(path, std::move(child)));
    // Its contents are read at once by the help window: a file whose compressed section
    // cannot even give them is as good as missing.
    (void)file->Read(file->ContentsFile(), kMaxHelpContentsBytes);
    if (file->m_child->IsBroken())
        return nullptr;
    return file;
}

ChmFile::ChmFile(std::string path, std::unique_ptr<ChmChild> child)
    : m_path(std::move(path)), m_child(std::move(child))
{
    ReadSystemData();
    if (m_contentsFile.empty())
        m_contentsFile = FindContentsFile();
}

ChmFile::~ChmFile() = default;

bool ChmFile::Holds(std::string_view objectPath) const
{
    return IsUsablePath(objectPath) &&
           m_child->Ask(ChmChild::Request::Holds, objectPath).has_value();
}

std::optional<std::string> ChmFile::Read(std::string_view objectPath, std::uint64_t maxBytes) const
{
    if (!IsUsablePath(objectPath))
        return std::nullopt;
    return m_child->Ask(ChmChild::Request::Read, objectPath, maxBytes);
}

// "/#SYSTEM": a 32-bit version, then records of a 16-bit code, a 16-bit length and that many
// bytes. A record that claims more than is left ends the reading.
void ChmFile::ReadSystemData()
{
    const std::optional<std::string> data = Read("/#SYSTEM");
    if (!data)
        return;
    const std::string_view bytes = *data;
    for (std::size_t at = 4; at + 4 <= bytes.size();) {
        const unsigned code = ReadLe16(bytes, at);
        const std::size_t length = ReadLe16(bytes, at + 2);
        at += 4;
        if (length > bytes.size() - at)
            break;
        const std::string text = TextUpToZero(bytes.substr(at, length));
        at += length;
        if (code == kSystemContentsFile)
            m_contentsFile = AsObjectPath(text);
        else if (code == kSystemDefaultTopic)
            m_defaultTopic = text;
        else if (code == kSystemTitle)
            m_title = text;
    }
}

// Files that do not name their contents file usually still hold one.
std::string ChmFile::FindContentsFile() const
{
    return m_child->Ask(ChmChild::Request::FindContents, {}).value_or(std::string());
}
