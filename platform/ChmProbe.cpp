#include "platform/ChmProbe.h"

#include "platform/ChmFile.h"

#include <chm_lib.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <vector>

namespace {

// An intact help file of many megabytes reads in well under a second; a child still busy after
// this long is caught in a loop of a damaged directory.
constexpr unsigned kProbeSeconds = 10;

bool IsRegularFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

int CollectPath(chmFile*, chmUnitInfo* unit, void* paths)
{
    static_cast<std::vector<std::string>*>(paths)->push_back(unit->path);
    return CHM_ENUMERATOR_CONTINUE;
}

// Does with the file everything ChmFile may do: open it, list it, find every object and one
// that is not there, and expand every object it would read.
bool ReadEverything(const char* path)
{
    chmFile* file = chm_open(path);
    if (!file)
        return false;
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
