#pragma once

#include <chrono>

// How far a transfer has come, in cells, and how long it has left: the same
// count and the same estimate for the window's dialogs and ramvik-cli's
// progress line.

// The cells a write has moved when the box has answered the cell at this
// progress position: cell 255 is never written, and 767 ends the writing;
// the read-back of a verified write counts on from there (1021 in all).
int WrittenCells(int position);
// The cells a read has moved at this position: 256 in all.
int ReadCellsDone(int position);

// The time a transfer has left, from the rate of the cells moved so far in
// the running phase. Opening the link and the handshake take their own time,
// so the clock starts at the first cell reported, and again at each phase.
class CTimeLeft {
public:
    using Clock = std::chrono::steady_clock;

    explicit CTimeLeft(int totalCells);

    int TotalCells() const { return total; }
    // A phase begins: the next report starts the clock anew.
    void Restart() { started = false; }
    // The seconds left when cellsDone of the total are done at this time;
    // below 0 while nothing can be said (the first report of a phase).
    double Update(int cellsDone, Clock::time_point now);

private:
    int total;
    bool started = false;
    int firstDone = 0;
    Clock::time_point start;
};

// Seconds as "m:ss" shows them: rounded to the nearest whole second.
int WholeSeconds(double seconds);
