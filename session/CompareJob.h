#pragma once

#include "RelayObserver.h"
#include "TransferJob.h"

#include <Link.h>
#include <ProjectState.h>

#include <memory>
#include <vector>

// A read of the box that leaves the project alone: once it has every cell,
// Finish compares what the box holds with what a write of the project (as it
// was when the job was made) would put in cells 0..254. The session makes it
// (CSession::MakeCompareJob) and installs the box's project on request.
class CCompareJob : public CTransferJob {
public:
    CCompareJob(const ProjectState& project, std::unique_ptr<CLink> link);
    ~CCompareJob() override;

    int LastPosition() const override;
    int CellsDone(int position) const override;
    TransferOutcome Run(CTransferObserver& observer) override;
    void RequestStop() override { transfer.RequestStop(); }
    bool Stopped() const override { return transfer.Stopped(); }
    // Compares; never replaces the project.
    bool Finish() override;
    // The implausible values the box holds.
    std::vector<UserText> Notes() const override;
    int BoxIdentification() const override { return identification; }

    // After Finish: compares what the box gave with another project (the
    // user's project as it is after an edit). Cheap: cells 0..254 only.
    // Nothing changes when nothing was read.
    void CompareWith(const ProjectState& project);

    // After Finish: whether the read got every cell, so a comparison was
    // made (and TakeBoxProject has not taken the box's project yet).
    bool Compared() const { return boxProject != nullptr; }
    // After Finish: the differences by meaning, one line each; empty when the
    // box holds the project (and when nothing was compared).
    const std::vector<UserText>& Differences() const { return differences; }
    // After Finish: the project the box holds, to draw beside the project;
    // null when nothing was read.
    const ProjectState* BoxProject() const { return boxProject.get(); }
    // Hands the box's project over once (for CSession::TakeBoxProject).
    std::unique_ptr<ProjectState> TakeBoxProject() { return std::move(boxProject); }

private:
    std::unique_ptr<ProjectState> project; // a copy: the user may edit on
    CRelayObserver relay; // before transfer, which keeps a reference to it
    CReadTransfer transfer;
    std::unique_ptr<ProjectState> boxProject;
    bool read = false; // boxCells holds every cell the box answered
    ReadCells boxCells {};
    int identification = 0;
    std::vector<UserText> differences;
    std::vector<UserText> warnings;
};
