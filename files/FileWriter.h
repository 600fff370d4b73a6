#pragma once

#include <string>
#include <string_view>

// Writes bytes to the file at path so that a failure never destroys what
// was there. Every output of Ramvik (projects, printouts, pictures, the
// simulator's cells) goes through it.
//
// What path names decides how it is written:
// - "-": standard output, written into.
// - a symlink (or a chain of them): followed to its final target, which is
//   written as below; the links stay links. A link to nowhere creates its
//   target.
// - a character device or a FIFO: written into, never replaced.
// - a regular file or no file: a temporary file in the same folder, created
//   exclusively under an unpredictable name, gets every byte, takes the old
//   file's permissions (and owner, where the system allows), is flushed to
//   disk and then renamed over the old file. A reader sees the old file or
//   the new one, never a part.
// - a regular file in a folder the user may not write to: written in place,
//   space for the new size reserved before the first byte changes.
// - a regular file without a write bit for the user (mode 444, also for
//   root, who the system would let write it): refused, as the user marked it
//   read-only.
// - anything else (a folder, a block device, a socket): refused.
//
// The path's bytes are the file's name, unchanged (UTF-8 on Windows). True
// when every byte reached the file; otherwise false, the old file as it was
// (in place: as it was unless a write failed after the reservation), and the
// reason in error, the system's text where the system gave one.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& error);

// The reason WriteFileSafely gives for a file without a write bit.
extern const char* const kReadOnlyFileReason;
