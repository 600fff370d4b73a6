#include "DemoBox.h"

#include <DemoLink.h>
#include <ProjectState.h>
#include <Protocol.h>

namespace {

// Passes everything on to a link and keeps a copy of each frame written.
class CRecordingLink : public CLink {
public:
    CRecordingLink(std::unique_ptr<CLink> inner_, std::vector<std::string>& frames_)
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
    std::unique_ptr<CLink> inner;
    std::vector<std::string>& frames;
};

class CCollectingObserver : public CTransferObserver {
public:
    explicit CCollectingObserver(std::vector<UserText>& messages_)
        : messages(messages_)
    {
    }
    void Progress(int) override { }
    void Message(const UserText& text) override { messages.push_back(text); }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { }

private:
    std::vector<UserText>& messages;
};

// The box is in this process: no line has to settle.
void NoWait(std::chrono::milliseconds) { }

} // namespace

int DemoBoxIdentification(const ProjectState& project)
{
    return project.boxType == 2 ? kTurboBoxId : kCrBoxId;
}

std::shared_ptr<CBoxSimulator> MakeDemoBox()
{
    const ProjectState project;
    auto box = std::make_shared<CBoxSimulator>(DemoBoxIdentification(project));
    std::vector<UserText> messages;
    CCollectingObserver observer(messages);
    CWriteTransfer(project, std::make_unique<CDemoLink>(box), observer, NoWait).Run();
    return box;
}

void FitDemoBox(CBoxSimulator& box, const ProjectState& project)
{
    box.SetCell(kIdentificationCell, DemoBoxIdentification(project));
}

DryRun DryRunWrite(const ProjectState& project)
{
    DryRun run;
    CCollectingObserver observer(run.messages);
    auto box = std::make_shared<CBoxSimulator>(DemoBoxIdentification(project));
    auto link = std::make_unique<CRecordingLink>(std::make_unique<CDemoLink>(box), run.frames);
    run.outcome = CWriteTransfer(project, std::move(link), observer, NoWait).Run();
    return run;
}
