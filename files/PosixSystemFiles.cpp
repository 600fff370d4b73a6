#include "FileWriter.h"
#include "PosixDescriptor.h"
#include "SystemFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

namespace system_files {

const char* const kPathSeparators = "/";

namespace {

// As many links as the kernel follows before it says ELOOP.
constexpr int kMaxLinks = 40;

using posix_files::CFileDescriptor;
using posix_files::Reason;

// Removes the temporary file unless the rename took it.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::string& path)
        : path_(path)
    {
    }
    ~CTemporaryFile()
    {
        if (!kept_)
            unlink(path_.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

// Every byte, however many calls the system needs; a call that writes
// nothing is a failure too.
bool WriteAll(int fd, std::string_view bytes, std::string& error)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = Reason(written < 0 ? errno : EIO);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool FlushToDisk(int fd, std::string& error)
{
    if (fsync(fd) == 0)
        return true;
    error = Reason(errno);
    return false;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t end = path.rfind('/');
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

bool ReadLink(const std::string& path, std::string& link, std::string& error)
{
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) {
        error = Reason(errno);
        return false;
    }
    link = buffer.substr(0, static_cast<std::size_t>(length));
    return true;
}

// The rename is on disk only once the folder is: without this a crash
// right after saving could bring the old file back. Not every file system
// can flush a folder, so a failure here loses nothing already written.
void FlushFolder(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

bool FindTarget(const std::string& path, FileTarget& target, std::string& error)
{
    std::string current = path;
    struct stat status { };
    for (int links = 0;; ++links) {
        if (lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                error = Reason(errno);
                return false;
            }
            target = { current, TargetKind::Missing };
            return true;
        }
        if (!S_ISLNK(status.st_mode))
            break;
        if (links == kMaxLinks) {
            error = Reason(ELOOP);
            return false;
        }
        std::string link;
        if (!ReadLink(current, link, error))
            return false;
        current = link.front() == '/' ? link : FolderOf(current) + link;
    }

    if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) {
        target = { current, TargetKind::Stream };
        return true;
    }
    if (S_ISDIR(status.st_mode)) {
        error = Reason(EISDIR);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        error = "Not a regular file, character device or FIFO.";
        return false;
    }
    // Root may write any file; one that no one may write was made read-only
    // on purpose and stays as it is.
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        error = kReadOnlyFileReason;
        return false;
    }
    if (faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) != 0) {
        error = Reason(errno);
        return false;
    }
    target = { current, TargetKind::Regular };
    return true;
}

bool WriteStandardOutput(std::string_view bytes, std::string& error)
{
    return WriteAll(STDOUT_FILENO, bytes, error);
}

bool WriteIntoStream(const std::string& path, std::string_view bytes, std::string& error)
{
    CFileDescriptor file(open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        error = Reason(errno);
        return false;
    }
    return WriteAll(file.Get(), bytes, error) && file.Close(error);
}

bool WriteInPlace(const std::string& path, std::string_view bytes, std::string& error)
{
    CFileDescriptor file(open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    struct stat status { };
    if (file.Get() < 0 || fstat(file.Get(), &status) != 0) {
        error = Reason(errno);
        return false;
    }
    const off_t size = static_cast<off_t>(bytes.size());
    // A full disk (or a file size limit) shows here, before the old
    // content is touched. File systems that cannot reserve space say so
    // with EINVAL or EOPNOTSUPP; then the writes below are still checked.
    if (size > status.st_size) {
        const int reserved = posix_fallocate(file.Get(), 0, size);
        if (reserved != 0 && reserved != EINVAL && reserved != EOPNOTSUPP) {
            error = Reason(reserved);
            return false;
        }
    }
    if (!WriteAll(file.Get(), bytes, error))
        return false;
    if (ftruncate(file.Get(), size) != 0) {
        error = Reason(errno);
        return false;
    }
    return FlushToDisk(file.Get(), error) && file.Close(error);
}

TemporaryOutcome ReplaceThroughTemporary(const FileTarget& target, const std::string& temporaryPath,
    std::string_view bytes, std::string& error)
{
    struct stat old { };
    const bool replacing = target.kind == TargetKind::Regular;
    if (replacing && stat(target.path.c_str(), &old) != 0) {
        error = Reason(errno);
        return TemporaryOutcome::Failed;
    }
    // A new file gets the usual rights (the umask applies); a replacement
    // stays private until it has the old file's rights.
    const mode_t creationMode = replacing ? S_IRUSR | S_IWUSR : 0666;
    CFileDescriptor file(open(temporaryPath.c_str(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, creationMode));
    if (file.Get() < 0) {
        const int number = errno;
        error = Reason(number);
        if (number == EEXIST)
            return TemporaryOutcome::NameTaken;
        if (number == EACCES || number == EPERM)
            return TemporaryOutcome::FolderDenied;
        return TemporaryOutcome::Failed;
    }
    CTemporaryFile temporary(temporaryPath);

    // The owner first: changing it clears the set-user-ID bits that the
    // mode then sets again. Only root may give a file away; for others the
    // new file stays theirs, in the old group where they belong to it.
    if (replacing) {
        [[maybe_unused]] const bool ownerKept = fchown(file.Get(), old.st_uid, old.st_gid) == 0
            || fchown(file.Get(), static_cast<uid_t>(-1), old.st_gid) == 0;
        if (fchmod(file.Get(), old.st_mode & 07777) != 0) {
            error = Reason(errno);
            return TemporaryOutcome::Failed;
        }
    }
    if (!WriteAll(file.Get(), bytes, error) || !FlushToDisk(file.Get(), error)
        || !file.Close(error))
        return TemporaryOutcome::Failed;
    if (rename(temporaryPath.c_str(), target.path.c_str()) != 0) {
        error = Reason(errno);
        return TemporaryOutcome::Failed;
    }
    temporary.Keep();
    FlushFolder(target.path);
    return TemporaryOutcome::Replaced;
}

} // namespace system_files
