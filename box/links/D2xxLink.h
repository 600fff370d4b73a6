#pragma once

#include "D2xxLibrary.h"
#include "Link.h"

#include <memory>

// The box's converter through the vendor's D2XX library, opened by its USB
// description "USB <-> Serial" (the first such device the library finds).
//
// The library gives one total time-out per read and per write call, so the
// link turns the per-byte time-outs into the total for each call's size.
class CD2xxLink : public CLink {
public:
    // The converter's latency timer while a transfer runs, in milliseconds.
    static constexpr unsigned char kTransferLatencyMs = 2;

    explicit CD2xxLink(std::shared_ptr<const CD2xxLibrary> library);
    ~CD2xxLink() override;

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
    // Makes the library's time-outs those of a call moving this many bytes.
    bool ApplyTimeouts(std::size_t readSize, std::size_t writeSize);

    std::shared_ptr<const CD2xxLibrary> library;
    ftd2xx::Handle handle = nullptr;
    Timeouts timeouts;
    std::size_t lastReadSize = 4;
    std::size_t lastWriteSize = 10;
    std::uint32_t appliedReadMs = 0;
    std::uint32_t appliedWriteMs = 0;
    unsigned char savedLatencyMs = 0;
    bool latencyLowered = false;
};
