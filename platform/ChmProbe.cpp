#include "platform/ChmProbe.h"

#include "platform/ChmFile.h"

#include <chm_lib.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <vector>

namespace {

// An intact help file of many megabytes reads in well under a second; a child still busy after
// this long is caught in a loop of a damaged directory.
constexpr unsigned kProbeSeconds = 10;

// chmlib keeps several expanded blocks of the compressed section in memory, each as large as
// the file's reset table claims. Compilers write blocks of 32 KiB.
constexpr std::uint64_t kMaxCompressedBlockBytes = 1u << 20;
constexpr char kResetTable[] = "::DataSpace/Storage/MSCompressed/Transform/"
                               "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
// The reset table's header: four 32-bit fields, the expanded and the compressed length, then
// the block length, each 64 bits, little-endian.
constexpr std::size_t kBlockLengthAt = 32;

bool IsRegularFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

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

int CollectPath(chmFile*, chmUnitInfo* unit, void* paths)
{
    static_cast<std::vector<std::string>*>(paths)->push_back(unit->path);
    return CHM_ENUMERATOR_CONTINUE;
}

// Does with the file everything ChmFile may do: open it, list it, find every object and one
// that is not there, and expand every object it would read. A file whose compressed blocks
// would each take more memory than any help file needs is refused first.
bool ReadEverything(const char* path)
{
    chmFile* file = chm_open(path);
    if (!file)
        return false;
    if (!BlocksAreModest(file)) {
        chm_close(file);
        return false;
    }
    std::vector<std::string> paths;
    const bool listed = chm_enumerate(file, CHM_ENUMERATE_ALL, CollectPath, &paths) != 0;
    paths.emplace_back("/~no such object~");
    std::vector<unsigned char> buffer;
    for (const std::string& objectPath : paths) {
        chmUnitInfo unit;
        if (chm_resolve_object(file, objectPath.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
            unit.length == 0 || unit.length > kMaxHelpObjectBytes)
            continue;
        buffer.resize(unit.length);
        chm_retrieve_object(file, &unit, buffer.data(), 0, static_cast<LONGINT64>(unit.length));
    }
    chm_close(file);
    return listed;
}

// Runs in the forked child: only the reading, then _exit, so nothing of the parent's state
// (Qt, atexit handlers, buffered output) is touched.
[[noreturn]] void ProbeAndExit(const std::string& path)
{
    prctl(PR_SET_DUMPABLE, 0); // a crash here is expected, not worth a core dump
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGALRM})
        std::signal(signal, SIG_DFL);
    alarm(kProbeSeconds);
    _exit(ReadEverything(path.c_str()) ? 0 : 1);
}

bool ProbeInChild(const std::string& path)
{
    const pid_t child = fork();
    if (child == 0)
        ProbeAndExit(path);
    if (child < 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool ChmReadsSafely(const std::string& path)
{
    // A pipe or device would keep the child waiting for bytes that never come.
    return IsRegularFile(path) && ProbeInChild(path);
}
