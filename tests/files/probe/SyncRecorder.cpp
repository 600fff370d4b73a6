// Preloaded into file_writer_probe: logs every fsync and every rename, in
// order, each with the canonical path of the file it acts on, to the file
// named by SYNC_RECORDER_LOG, so a test can see that a file reached the disk
// before its rename.

#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

static void Record(const char* call, const std::string& path)
{
    char canonical[PATH_MAX];
    const char* logName = getenv("SYNC_RECORDER_LOG");
    FILE* log = logName ? fopen(logName, "a") : nullptr;
    if (!log)
        return;
    fprintf(log, "%s %s\n", call, realpath(path.c_str(), canonical) ? canonical : "?");
    fclose(log);
}

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    Record("fsync", "/proc/self/fd/" + std::to_string(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    static const auto real
        = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    Record("rename", from);
    return real(from, to);
}
