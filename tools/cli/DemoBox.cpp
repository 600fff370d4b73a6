#include "DemoBox.h"

#include <DemoLink.h>
#include <ProjectState.h>
#include <Protocol.h>

namespace {

// Passes everything on to a link and keeps a copy of each frame written.
class RecordingLink : public Link {
public:
    RecordingLink(std::unique_ptr<Link> inner_, std::vector<std::string>& frames_)
        : inner(std::move(inner_))
        , frames(frames_)
    {
    }

    bool Open() override { return inner->Open(); }
    bool SetLine(const LineSettings& line) override { return inner->SetLine(line); }
    bool SetTimeouts(const Timeouts& timeouts) override { return inner->SetTimeouts(timeouts); }
    bool SetDtr(bool raised) override { return inner->SetDtr(raised); }
    bool Purge() override { return inner->Purge(); }
    bool SetFlowControlOff() override { return inner->SetFlowControlOff(); }
    IoResult Write(const char* data, std::size_t size) override
    {
        // The lone "#" and ";" that open the link are no frames.
        if (size > 1)
            frames.emplace_back(data, size);
        return inner->Write(data, size);
    }
    IoResult Read(char* buffer, std::size_t size) override { return inner->Read(buffer, size); }
    void Close() override { inner->Close(); }

private:
    std::unique_ptr<Link> inner;
    std::vector<std::string>& frames;
};

class CollectingObserver : public TransferObserver {
public:
    explicit CollectingObserver(std::vector<std::string>& messages_)
        : messages(messages_)
    {
    }
    void Progress(int) override { }
    void Message(const std::string& text) override { messages.push_back(text); }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { }

private:
    std::vector<std::string>& messages;
};

// The box is in this process: no line has to settle.
void NoWait(std::chrono::milliseconds) { }

} // namespace

std::shared_ptr<BoxSimulator> DemoBoxFor(const ProjectState& project)
{
    return std::make_shared<BoxSimulator>(project.boxType == 2 ? kTurboBoxId : kCrBoxId);
}

std::shared_ptr<BoxSimulator> DemoBoxForRead()
{
    ProjectState project;
    auto box = DemoBoxFor(project);
    std::vector<std::string> messages;
    CollectingObserver observer(messages);
    WriteTransfer(project, std::make_unique<DemoLink>(box), observer, NoWait).Run();
    return box;
}

DryRun DryRunWrite(const ProjectState& project)
{
    DryRun run;
    CollectingObserver observer(run.messages);
    auto link = std::make_unique<RecordingLink>(
        std::make_unique<DemoLink>(DemoBoxFor(project)), run.frames);
    run.outcome = WriteTransfer(project, std::move(link), observer, NoWait).Run();
    return run;
}
