#pragma once

#include <Link.h>

#include <memory>

// Opens the first of two links that opens, and is that link from then on.
// The vendor library comes first and the serial port second: on Linux the
// kernel's own driver usually holds the converter, so the vendor library
// cannot open it while the serial device can.
class CFallbackLink : public CLink {
public:
    CFallbackLink(std::unique_ptr<CLink> first, std::unique_ptr<CLink> second);

    bool Open() override;
    UserText OpenFailure() const override { return active->OpenFailure(); }
    bool SetLine(const LineSettings& line) override { return active->SetLine(line); }
    bool SetTimeouts(const Timeouts& timeouts) override { return active->SetTimeouts(timeouts); }
    bool SetDtr(bool raised) override { return active->SetDtr(raised); }
    bool Purge() override { return active->Purge(); }
    bool SetFlowControlOff() override { return active->SetFlowControlOff(); }
    IoResult Write(const char* data, std::size_t size) override
    {
        return active->Write(data, size);
    }
    IoResult Read(char* buffer, std::size_t size) override { return active->Read(buffer, size); }
    void Close() override { active->Close(); }

private:
    std::unique_ptr<CLink> first;
    std::unique_ptr<CLink> second;
    CLink* active; // the link that opened, or the first before any opening
};
