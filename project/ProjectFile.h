#pragma once

#include "ProjectState.h"

#include <FileReader.h>

#include <string>
#include <string_view>

// The project file "*.rmvp": line-oriented text, no header, no version.
//
//   ADC = 1                       one input + 2 x two inputs
//   Start Delay = 1 min 0 sec
//   Curve Delay = 200             (with a blank before the line end)
//   Volt = 1.5                    start voltage, one decimal
//   Off = 4.5                     stop voltage, one decimal
//   CRD                           the CR points follow
//   0.000000 0.000000             input and output, six decimals
//   TURBO                         box type 2 only: the TURBO points follow
//
// Lines end in CR LF on every platform, so a file is the same bytes wherever
// it was made. The reader recognises a line by its first character and takes
// its numbers from fixed columns, where the writer puts them.

// The bytes of the project file, in the C locale whatever the user's locale.
std::string WriteProjectText(const ProjectState& project);

// Replaces the project's curves by those of the file text and sets the
// parameters the text mentions; the others keep their values. Takes CR LF,
// LF and a last line without an end. Then trims the CR curve to the start
// and stop voltages, as opening a file does. Leaves fileName alone.
// Only decimal numbers are numbers: anything else (also "nan", "inf", hex)
// reads as 0, so the project never holds a non-finite value.
void ReadProjectText(std::string_view text, ProjectState& project);

// The name of a file without its folder ("a/b/c.rmvp" gives "c.rmvp").
std::string FileNameOf(const std::string& path);

// Why these bytes do not look like a project file, or empty when they do.
// A project file has at least one parameter line that the reader knows
// ("ADC", "Start Delay", "Curve Delay", "Volt", "Off", "CRD", "TURBO" at
// the start of a line) and no control bytes other than the line ends.
UserText ForeignFileReason(std::string_view bytes);

// The most bytes a project file may hold: a project is a few kilobytes, so
// a larger file is refused by its size before a byte of it is read.
constexpr std::uintmax_t kMaxProjectFileBytes = kSmallFileLimit;

// The whole file at path: a regular file of at most kMaxProjectFileBytes
// (a device such as /dev/zero would never end, a FIFO would wait, a folder
// would read as an empty project).
SmallFile ReadProjectFileBytes(const std::string& path);

// Writes the project's file text to path through WriteFileSafely, so a
// failed save keeps the old file. Sets nothing in the project. On failure,
// false and the reason in error.
bool SaveProjectFile(const std::string& path, const ProjectState& project, std::string& error);
