// Preloaded into file_writer_probe: logs every fsync (with the path of the
// file descriptor) and every rename, in order, to the file named by
// SYNC_RECORDER_LOG, so a test can see that a file reached the disk before
// its rename.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

template <typename Function> Function Real(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void Record(const std::string& line)
{
    const char* log = std::getenv("SYNC_RECORDER_LOG");
    if (!log)
        return;
    const int fd = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t written = write(fd, text.data(), text.size());
    close(fd);
}

std::string PathOf(int fd)
{
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), path, sizeof path);
    return length > 0 ? std::string(path, std::size_t(length)) : "?";
}

} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = Real<int (*)(int)>("fsync");
    Record("fsync " + PathOf(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    Record(std::string("rename ") + from);
    return real(from, to);
}
