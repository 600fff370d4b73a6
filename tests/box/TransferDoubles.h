#pragma once

#include <Link.h>
#include <Transfer.h>

#include <memory>
#include <string>
#include <vector>

// Records what a transfer reports, in order.
struct RecordingObserver : TransferObserver {
    void Progress(int position) override
    {
        progress = position;
        events.push_back("progress " + std::to_string(position));
    }
    void Message(const std::string& text) override
    {
        messages.push_back(text);
        events.push_back("message");
    }
    void EnableClose() override
    {
        closeEnabled = true;
        events.push_back("enable close");
    }
    void CloseDialog() override
    {
        dialogClosed = true;
        events.push_back("close dialog");
    }
    void Finished(TransferOutcome result) override
    {
        outcome = result;
        ++finishedCalls;
        events.push_back("finished");
    }

    int progress = -1; // -1: never moved
    std::vector<std::string> messages;
    std::vector<std::string> events;
    bool closeEnabled = false;
    bool dialogClosed = false;
    int finishedCalls = 0;
    TransferOutcome outcome = TransferOutcome::Completed;
};

// Device failures a box cannot cause by itself: a converter that is missing,
// write or read calls that fail, a purge or a DTR drop that fails at the end.
struct LinkFaults {
    bool failOpen = false;
    int failWriteAtFrame = -1; // frames count from 0: 0..2 handshake, then the data
    int failReadAtFrame = -1; // the read call of that frame fails outright
    bool failPurgeAfterFrames = false; // purges fail once a frame went out
    bool failDtrDrop = false;
};

// Wraps a link and injects LinkFaults; remembers whether it was left open.
class FaultyLink : public Link {
public:
    FaultyLink(std::unique_ptr<Link> inner_, LinkFaults faults_, bool* leftOpen_ = nullptr)
        : inner(std::move(inner_))
        , faults(faults_)
        , leftOpen(leftOpen_)
    {
    }
    bool Open() override
    {
        if (faults.failOpen)
            return false;
        SetOpen(inner->Open());
        return isOpen;
    }
    bool SetLine(const LineSettings& l) override { return inner->SetLine(l); }
    bool SetTimeouts(const Timeouts& t) override { return inner->SetTimeouts(t); }
    bool SetDtr(bool raised) override
    {
        bool ok = inner->SetDtr(raised);
        return raised || !faults.failDtrDrop ? ok : false;
    }
    bool Purge() override
    {
        bool ok = inner->Purge();
        return faults.failPurgeAfterFrames && frames > 0 ? false : ok;
    }
    bool SetFlowControlOff() override { return inner->SetFlowControlOff(); }
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size > 1) // the link opening writes single characters
            current = frames++;
        if (size > 1 && current == faults.failWriteAtFrame)
            return { false, 0 };
        return inner->Write(data, size);
    }
    IoResult Read(char* buffer, std::size_t size) override
    {
        IoResult result = inner->Read(buffer, size);
        return current == faults.failReadAtFrame ? IoResult { false, 0 } : result;
    }
    void Close() override
    {
        inner->Close();
        SetOpen(false);
    }

private:
    void SetOpen(bool open)
    {
        isOpen = open;
        if (leftOpen)
            *leftOpen = open;
    }
    std::unique_ptr<Link> inner;
    LinkFaults faults;
    bool* leftOpen;
    bool isOpen = false;
    int frames = 0;
    int current = -1;
};

// The settle wait of the link opening, left out so tests run at once.
inline void NoWait(std::chrono::milliseconds) { }
