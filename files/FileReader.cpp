#include "FileReader.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#else
#include "PosixDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// How many bytes the next read may ask for: one more than the limit allows in
// all, so a file that grew past its size can be told from one that did not.
std::size_t NextChunk(std::uintmax_t limit, std::size_t held)
{
    const std::uintmax_t room = limit - held; // held never exceeds limit here
    return room >= kChunk ? kChunk : static_cast<std::size_t>(room) + 1;
}

} // namespace

#ifdef _WIN32

SmallFile ReadSmallFile(const std::string& path, std::uintmax_t limit)
{
    namespace fs = std::filesystem;
    SmallFile file;
    const fs::path name = fs::u8path(path);
    std::error_code code;
    const fs::file_status status = fs::status(name, code);
    if (!fs::exists(status)) {
        file.error = code ? code.message() : std::string("No such file");
        return file;
    }
    if (!fs::is_regular_file(status)) {
        file.status = SmallFileStatus::NotRegular;
        return file;
    }
    file.size = fs::file_size(name, code);
    if (!code && file.size > limit) {
        file.status = SmallFileStatus::TooLarge;
        return file;
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        file.error = "cannot open the file";
        return file;
    }
    char buffer[kChunk];
    while (in) {
        in.read(buffer, static_cast<std::streamsize>(NextChunk(limit, file.bytes.size())));
        file.bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (file.bytes.size() > limit) {
            file.status = SmallFileStatus::TooLarge;
            file.size = std::max<std::uintmax_t>(file.size, file.bytes.size());
            file.bytes.clear();
            return file;
        }
    }
    if (in.bad()) {
        file.error = "the file could not be read";
        file.bytes.clear();
        return file;
    }
    file.size = file.bytes.size();
    file.status = SmallFileStatus::Read;
    return file;
}

#else

namespace {

using posix_files::CFileDescriptor;
using posix_files::Reason;

// Whether the node is a regular file of at most limit bytes; else the file
// says what it is instead.
bool SmallRegular(const struct stat& node, std::uintmax_t limit, SmallFile& file)
{
    if (!S_ISREG(node.st_mode)) {
        file.status = SmallFileStatus::NotRegular;
        return false;
    }
    file.size = static_cast<std::uintmax_t>(node.st_size);
    if (file.size > limit) {
        file.status = SmallFileStatus::TooLarge;
        return false;
    }
    return true;
}

} // namespace

SmallFile ReadSmallFile(const std::string& path, std::uintmax_t limit)
{
    SmallFile file;
    // What the name is, before anything opens it: opening a device may
    // already do something (a tty raises its lines, a FIFO waits).
    struct stat node { };
    if (stat(path.c_str(), &node) != 0) {
        file.error = Reason(errno);
        return file;
    }
    if (!SmallRegular(node, limit, file))
        return file;
    // Should the name have been replaced by a FIFO since, the open does not
    // wait for a writer, and the check on what was opened refuses it.
    CFileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        file.error = Reason(errno);
        return file;
    }
    if (fstat(fd.Get(), &node) != 0) {
        file.error = Reason(errno);
        return file;
    }
    if (!SmallRegular(node, limit, file))
        return file;
    file.bytes.reserve(static_cast<std::size_t>(file.size));
    char buffer[kChunk];
    for (;;) {
        const ssize_t got = read(fd.Get(), buffer, NextChunk(limit, file.bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            file.error = Reason(errno);
            file.bytes.clear();
            return file;
        }
        if (got == 0)
            break;
        file.bytes.append(buffer, static_cast<std::size_t>(got));
        if (file.bytes.size() > limit) { // it grew while it was read
            file.status = SmallFileStatus::TooLarge;
            file.size = std::max<std::uintmax_t>(file.size, file.bytes.size());
            file.bytes.clear();
            file.bytes.shrink_to_fit();
            return file;
        }
    }
    file.size = file.bytes.size();
    file.status = SmallFileStatus::Read;
    return file;
}

#endif
