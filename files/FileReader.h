#pragma once

#include <cstdint>
#include <string>

// Reads back a small file whole: a project, the simulator's cells, a note of
// the write history. Every such file Ramvik reads goes through it, so no file
// can make a reader hang or grow without bound.
//
// Only a regular file is read: a FIFO would wait for a writer, a device such
// as /dev/zero never ends, a folder holds no bytes. Its size is looked at
// before it is opened, and a file over the limit is refused by its size
// alone; a file that grows while it is read is refused once it passes the
// limit, so a read never holds more than the limit and one more byte.

// The most bytes a file Ramvik reads back may hold. A project is a few
// kilobytes (ten lines and at most 125 points), the simulator's cells about
// eight.
constexpr std::uintmax_t kSmallFileLimit = 1u << 20; // 1 MiB

enum class SmallFileStatus {
    Read, // bytes holds the whole file
    Unreadable, // missing, or the system refused it; error says why
    NotRegular, // a folder, a device, a FIFO or a socket: nothing was read
    TooLarge, // over the limit: size says how large; nothing is kept
};

struct SmallFile {
    SmallFileStatus status = SmallFileStatus::Unreadable;
    std::string bytes;
    std::uintmax_t size = 0; // the file's size in bytes (Read, TooLarge)
    std::string error; // the system's reason (Unreadable)
};

// The file at path, symlinks followed, if it is a regular file of at most
// limit bytes. The path's bytes are the file's name (UTF-8 on Windows).
SmallFile ReadSmallFile(const std::string& path, std::uintmax_t limit = kSmallFileLimit);
