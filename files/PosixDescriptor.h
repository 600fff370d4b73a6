#pragma once

// What the writer and the reader of files share on POSIX systems: a file
// descriptor that closes itself, and the system's words for an errno.

#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace posix_files {

inline std::string Reason(int number)
{
    return std::system_category().message(number);
}

// Owns a file descriptor; Close reports what closing found (on some file
// systems the last write error shows only there).
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd)
        : fd_(fd)
    {
    }
    ~CFileDescriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Close(std::string& error)
    {
        const int fd = fd_;
        fd_ = -1;
        if (close(fd) == 0 || errno == EINTR)
            return true;
        error = Reason(errno);
        return false;
    }

private:
    int fd_;
};

} // namespace posix_files
