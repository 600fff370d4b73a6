#pragma once

#include "BoxSimulator.h"
#include "Link.h"

#include <memory>
#include <string>

// The link to a simulated box in this process (Ramvik's --demo-box, the tests
// and the benchmarks). The box outlives the link, so a project written in one
// transfer can be read back in the next.
//
// With the box's wire model off every answer is there at once and a short
// answer returns at once. With it on, a write and a read take their bytes'
// wire time, and a read that cannot be served in full waits its time-out, as
// a real converter does.
//
// A box that hangs up leaves this link dead: every later write and read
// fails. The next link to the same box finds it back.
class CDemoLink : public CLink {
public:
    explicit CDemoLink(std::shared_ptr<CBoxSimulator> box);

    bool Open() override;
    bool SetLine(const LineSettings& line) override;
    bool SetTimeouts(const Timeouts& timeouts) override;
    bool SetDtr(bool raised) override;
    bool Purge() override;
    bool SetFlowControlOff() override;
    IoResult Write(const char* data, std::size_t size) override;
    IoResult Read(char* buffer, std::size_t size) override;
    void Close() override;

private:
    std::shared_ptr<CBoxSimulator> box;
    Timeouts timeouts;
    std::string received; // the box's answers not yet read
    bool open = false;
    bool dead = false;
};
