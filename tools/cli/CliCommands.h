#pragma once

#include "CliArguments.h"

#include <string>

struct ProjectState;
struct SessionResult;

// Exit status of every command. A transfer stopped by a signal exits with
// 128 + the signal's number (130, 143, 129).
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1; // refused or failed; the message is on standard error
constexpr int kExitBadUsage = 2;

// ProjectCommands.cpp: what a project is, without a box.
int ShowCommand(const CliRequest& request);
int CheckCommand(const CliRequest& request);
int TableCommand(const CliRequest& request);
int FramesCommand(const CliRequest& request);

// PointCommands.cpp: a curve's points as text, and back.
int PointsCommand(const CliRequest& request);
int SetPointsCommand(const CliRequest& request);

// BoxCommands.cpp: transfers with a box.
int WriteCommand(const CliRequest& request);
int ReadCommand(const CliRequest& request);
// Exits like cmp: 0 same, 1 different (kExitFailed), 2 no comparison.
int CompareCommand(const CliRequest& request);
int HistoryCommand(const CliRequest& request);
int RestoreCommand(const CliRequest& request);
// Says on standard error, for each box whose last write did not finish, that
// it may hold parts of two projects.
void PrintUnfinishedWrites();

// PortCommands.cpp: the serial ports and the connection doctor.
int PortsCommand(const CliRequest& request);
int DoctorCommand(const CliRequest& request);

// PictureCommands.cpp: the printed sheet and the graph. They need a
// QGuiApplication.
int PdfCommand(const CliRequest& request);
int PngCommand(const CliRequest& request);

// CliOutput.cpp
// A message as the window shows it in a message box, on standard error.
void PrintMessage(const std::string& text);
// Bytes on standard output as they are (CR LF stays CR LF on every platform).
// False, with a message, when they could not all be written (a full disk).
bool PrintOutput(const std::string& bytes);
// Prints the message of a failed session operation; false when it failed.
bool ShowFailure(const SessionResult& result);
// Opens a project file into the project as the window's Open does; says
// "Can't open file!" when it cannot be read.
bool LoadProject(const std::string& path, ProjectState& project);
