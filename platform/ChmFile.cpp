#include "platform/ChmFile.h"

#include "platform/AsciiCase.h"
#include "platform/ChmProbe.h"

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

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

int StopAtContentsFile(chmFile*, chmUnitInfo* unit, void* found)
{
    if (!EndsWithNoCase(unit->path, ".hhc"))
        return CHM_ENUMERATOR_CONTINUE;
    *static_cast<std::string*>(found) = unit->path;
    return CHM_ENUMERATOR_SUCCESS;
}

// A path ending in '/' names a folder, which has no bytes to show.
bool IsUsablePath(std::string_view objectPath)
{
    return !objectPath.empty() && objectPath.back() != '/' &&
           objectPath.size() <= CHM_MAX_PATHLEN && objectPath.find('\0') == std::string_view::npos;
}

} // namespace

void ChmFile::Closer::operator()(chmFile* handle) const
{
    chm_close(handle);
}

std::unique_ptr<ChmFile> ChmFile::Open(const std::string& path)
{
    if (!ChmReadsSafely(path))
        return nullptr;
    chmFile* handle = chm_open(path.c_str());
    if (!handle)
        return nullptr;
    return std::unique_ptr<ChmFile>(new ChmFile(path, handle));
}

ChmFile::ChmFile(std::string path, chmFile* handle) : m_path(std::move(path)), m_handle(handle)
{
    ReadSystemData();
    if (m_contentsFile.empty())
        m_contentsFile = FindContentsFile();
}

bool ChmFile::Resolve(std::string_view objectPath, chmUnitInfo& unit) const
{
    return IsUsablePath(objectPath) &&
           chm_resolve_object(m_handle.get(), std::string(objectPath).c_str(), &unit) ==
               CHM_RESOLVE_SUCCESS;
}

bool ChmFile::Holds(std::string_view objectPath) const
{
    chmUnitInfo unit;
    return Resolve(objectPath, unit);
}

std::optional<std::string> ChmFile::Read(std::string_view objectPath) const
{
    chmUnitInfo unit;
    if (!Resolve(objectPath, unit) || unit.length > kMaxHelpObjectBytes)
        return std::nullopt;
    std::string bytes(unit.length, '\0');
    if (unit.length == 0)
        return bytes;
    const LONGINT64 read =
        chm_retrieve_object(m_handle.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()),
                            0, static_cast<LONGINT64>(unit.length));
    if (read != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    return bytes;
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
    std::string found;
    chm_enumerate(m_handle.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, StopAtContentsFile,
                  &found);
    return found;
}
