#pragma once

#include <array>
#include <chrono>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// Faults a simulated box can show, each once, at the nth frame that addresses
// its cell (Forget: the nth write-cell frame); a frame taken by one fault
// leaves the others waiting for the next.
enum class BoxFaultKind {
    Short, // answers with one character only
    Silent, // does not answer
    HangUp, // goes away: no answer, and the connection is gone
    Stray, // sends one extra character ("0") after its answer
    Noise, // answers with as many non-digits ("?") as the answer has characters
    Forget, // acknowledges a write, but the cell keeps its old value
    Announce, // answers as usual, but its server is told of the frame before
              // the answer goes out (ramvik-boxsim then signals a process)
};

struct BoxFault {
    BoxFaultKind kind;
    int cell;
    int nth = 1; // the frame for the cell it acts on, counted from 1
};

// What the box sends back for the bytes it received.
struct BoxReply {
    std::string answer;
    bool hungUp = false; // the box went away; the connection must close
    bool announced = false; // an Announce fault took one of the frames
};

// A tuning box as the transfers see it: 768 cells of whole numbers, the
// identification in cell 255. It answers each write-cell frame
// "#CCCCVVVV;" with "OK" and stores the value, and each read-cell frame
// "%CCCC0000;" with the cell value as "%04d". Anything that is not such a
// frame (the "#" and ";" of the link opening, noise) gets no answer.
//
// Thread-safe: each call locks the box.
class CBoxSimulator {
public:
    static constexpr int kCells = 768;
    static constexpr int kDefaultIdentification = 213;

    explicit CBoxSimulator(int identification = kDefaultIdentification);

    // Takes bytes from the PC and returns the answers to the frames they
    // complete, in order. After a hang-up the rest of the bytes are dropped.
    BoxReply Receive(std::string_view bytes);

    // Forgets a half-received frame (a new connection starts clean).
    void ResetFraming();

    int Cell(int cell) const;
    // Values are held to what four answer characters carry: -999 to 9999.
    void SetCell(int cell, int value);
    std::array<int, kCells> Cells() const;

    void AddFault(BoxFault fault);
    int FramesAnswered() const;

    // The wire model: every character takes 10 bits at 19200 baud. Off by
    // default; the servers of the box wait this long per exchange when on.
    void SetWireModel(bool on);
    bool WireModel() const;
    static std::chrono::microseconds WireTime(std::size_t characters);

private:
    std::string HandleFrame(const std::string& frame, bool& hungUp);
    bool TakeFault(int cell, bool write, BoxFaultKind& kind);

    mutable std::mutex mutex;
    std::array<int, kCells> cells {};
    std::string pending; // bytes of the frame being received
    std::vector<BoxFault> faults;
    std::array<int, kCells> framesAt {}; // frames received for each cell
    std::array<int, kCells> writesAt {}; // of them, write-cell frames
    bool announcedNow = false; // the frame being handled took an Announce fault
    int framesAnswered = 0;
    bool wire = false;
};

// Faults as the command line gives them: KIND@CELL[/N] with KIND short,
// silent, hangup, stray, noise, forget or announce ("short@300", "stray@253",
// "forget@0/3": the third write of cell 0), CELL 0 to 767 and N from 1 (the
// first frame when left out). False when the text is not such a fault.
bool ParseBoxFault(std::string_view text, BoxFault& fault);
