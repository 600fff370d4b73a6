#pragma once

// What the file writer needs from the system, one implementation per
// platform (PosixSystemFiles.cpp, WindowsSystemFiles.cpp). Paths are the
// caller's bytes (UTF-8 on Windows); error gets the system's text.

#include <string>
#include <string_view>

namespace system_files {

// The characters that end a folder in a path.
extern const char* const kPathSeparators;

enum class TargetKind {
    Missing, // nothing there yet: created like a regular file
    Regular, // a regular file the user may write
    Stream, // a character device or a FIFO: written into
};

struct FileTarget {
    std::string path; // symlinks followed to the end
    TargetKind kind = TargetKind::Missing;
};

// Follows symlinks from path to what they finally name. False with the
// reason for anything that must not be written: a folder, a block device, a
// socket, a regular file the user may not write or that has no write bit.
bool FindTarget(const std::string& path, FileTarget& target, std::string& error);

// All bytes to the process's standard output.
bool WriteStandardOutput(std::string_view bytes, std::string& error);

// All bytes into the device or FIFO at path, opened without creating or
// truncating anything.
bool WriteIntoStream(const std::string& path, std::string_view bytes, std::string& error);

// All bytes over the regular file at path, in place: space for them is
// reserved before the first byte changes, the rest of the old file is cut
// off and the file is flushed to disk.
bool WriteInPlace(const std::string& path, std::string_view bytes, std::string& error);

enum class TemporaryOutcome {
    Replaced, // the target now holds the bytes
    NameTaken, // something already has the temporary name: try another
    FolderDenied, // the user may not create files in the target's folder
    Failed, // error says why; the target is unchanged
};

// Creates temporaryPath exclusively, writes the bytes into it, gives it the
// target's permissions (and owner where allowed), flushes it to disk and
// renames it over the target. The temporary file never outlives a failure.
TemporaryOutcome ReplaceThroughTemporary(const FileTarget& target, const std::string& temporaryPath,
    std::string_view bytes, std::string& error);

} // namespace system_files
