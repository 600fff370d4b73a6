#pragma once

#include <TransferProgress.h>

#include <cstdio>
#include <string>

// A progress bar on one line of a terminal: the cells moved, the cells in
// all and the time left, redrawn in place. Draws nothing when the stream is
// not a terminal, so logs and pipes get only the messages.
class CTerminalProgress {
public:
    CTerminalProgress(int totalCells, std::FILE* stream = stderr);
    ~CTerminalProgress();
    CTerminalProgress(const CTerminalProgress&) = delete;
    CTerminalProgress& operator=(const CTerminalProgress&) = delete;

    void Show(int cellsDone);
    // Names the part of the transfer now running ("Writing", "Checking"),
    // shown before the bar; the time left is measured anew from here.
    void SetPhase(const std::string& name);
    // Ends the bar's line, so that a message starts on a line of its own.
    void BreakLine();

    // The bar's text, without the carriage return that starts it.
    static std::string Line(int cellsDone, int totalCells, double secondsLeft);

private:
    int total;
    std::FILE* stream;
    bool terminal;
    bool lineOpen = false;
    std::string phase;
    CTimeLeft timeLeft;
};
