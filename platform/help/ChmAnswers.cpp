// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmAnswers.h"

#include "platform/AsciiCase.h"
#include "platform/help/ChmFile.h"

#include <algorithm>
#include <string_view>

namespace {

// chmlib keeps several expanded blocks of the compressed section in memory, each as large as
// the file's reset table claims. Compilers write blocks of 32 KiB.
constexpr std::uint64_t kMaxCompressedBlockBytes = 1u << 20;
constexpr char kResetTable[] = "::DataSpace/Storage/MSCompressed/Transform/"
                               "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
// The reset table's header: four 32-bit fields, the expanded and the compressed length, then
// the block length, each 64 bits, little-endian.
constexpr std::size_t kBlockLengthAt = 32;

// Whether the blocks of the compressed section are of a size worth holding. chmlib ignores a
// reset table that is missing or itself compressed, and so does this check.
bool BlocksAreModest(chmFile* file)
{
    chmUnitInfo unit;
    if (chm_resolve_object(file, kResetTable, &unit) != CHM_RESOLVE_SUCCESS ||
        unit.space != CHM_UNCOMPRESSED)
        return true;
    unsigned char header[kBlockLengthAt + 8];
    if (chm_retrieve_object(file, &unit, header, 0, sizeof header) != sizeof header)
        return true;
    std::uint64_t blockLength = 0;
    for (std::size_t at = sizeof header; at > kBlockLengthAt; --at)
        blockLength = blockLength << 8 | header[at - 1];
    return blockLength <= kMaxCompressedBlockBytes;
}

// The object's first `maxBytes` bytes: chmlib expands no more of the compressed section than
// they need.
std::optional<std::string> ReadObject(chmFile* file, const std::string& objectPath,
                                      std::uint64_t maxBytes)
{
    chmUnitInfo unit;
    if (chm_resolve_object(file, objectPath.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > kMaxHelpObjectBytes)
        return std::nullopt;
    const std::uint64_t length = std::min<std::uint64_t>(unit.length, maxBytes);
    std::string bytes(length, '\0');
    if (length > 0 &&
        chm_retrieve_object(file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(length)) != static_cast<LONGINT64>(length))
        return std::nullopt;
    return bytes;
}

int StopAtContentsFile(chmFile*, chmUnitInfo* unit, void* found)
{
    const std::string_view path = unit->path;
    constexpr std::string_view kSuffix = ".hhc";
    if (path.size() < kSuffix.size() ||
        !EqualsNoCase(path.substr(path.size() - kSuffix.size()), kSuffix))
        return CHM_ENUMERATOR_CONTINUE;
    *static_cast<std::string*>(found) = unit->path;
    return CHM_ENUMERATOR_SUCCESS;
}

} // namespace

ChmHandle OpenHelpFile(const std::string& path)
{
    ChmHandle file(chm_open(path.c_str()));
    if (file && !BlocksAreModest(file.get()))
        file.reset();
    return file;
}

std::optional<std::string> AnswerHelpRequest(chmFile* file, HelpRequest request,
                                             const std::string& objectPath, std::uint64_t maxBytes)
{
    switch (request) {
    case HelpRequest::Holds: {
        chmUnitInfo unit;
        if (chm_resolve_object(file, objectPath.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
            return std::nullopt;
        return std::string();
    }
    case HelpRequest::Read:
        return ReadObject(file, objectPath, maxBytes);
    case HelpRequest::FindContents: {
        std::string found;
        chm_enumerate(file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, StopAtContentsFile, &found);
        return found;
    }
    }
    return std::nullopt;
}
