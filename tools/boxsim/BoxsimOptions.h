#pragma once

#include <BoxSimulator.h>

#include <optional>
#include <string>
#include <vector>

// The command line of ramvik-boxsim:
//   ramvik-boxsim [--id N] [--load FILE] [--save FILE] [--wire] [--fault KIND@CELL[/N]]...
//                 [--signal SIG@CELL[/N] --pid-file FILE]
struct BoxsimOptions {
    std::optional<int> identification;
    std::string loadPath;
    std::string savePath;
    bool wire = false;
    std::vector<BoxFault> faults;
    // --signal: the signal sent, when that frame arrives and before it is
    // answered, to the process whose id the pid file holds; 0 for none.
    int signal = 0;
    std::string pidFile;
};

// False with a message for the user when the command line is wrong.
bool ParseBoxsimOptions(int argc, char** argv, BoxsimOptions& options, std::string& error);

// Cells as lines "CELL VALUE" (decimal); cells absent from the file keep
// their value. Only a regular file of at most 1 MiB is read: a FIFO, a
// device or a folder is refused at once. False with a message naming the
// file and line.
bool LoadCells(const std::string& path, CBoxSimulator& box, std::string& error);
// Whether SaveCells can write path when the simulator ends, checked at its
// start: the file may be written, or its folder exists and takes new files.
// False with a message naming what is missing.
bool CheckSavePath(const std::string& path, std::string& error);
// Every cell as such a line, through the file writer: a failed save keeps the
// old file. False with a message naming the file and the reason.
bool SaveCells(const std::string& path, const CBoxSimulator& box, std::string& error);

extern const char* const kBoxsimUsage;
