#include "CompareJob.h"

#include "TransferProgress.h"

#include <BoxCompare.h>

CCompareJob::CCompareJob(const ProjectState& project_, std::unique_ptr<CLink> link)
    : project(std::make_unique<ProjectState>(project_))
    , transfer(project_, std::move(link), relay)
{
}

CCompareJob::~CCompareJob() = default;

int CCompareJob::LastPosition() const
{
    return kReadProgressEnd;
}

int CCompareJob::CellsDone(int position) const
{
    return ReadCellsDone(position);
}

TransferOutcome CCompareJob::Run(CTransferObserver& observer)
{
    relay.target = &observer;
    return transfer.Run();
}

bool CCompareJob::Finish()
{
    std::unique_ptr<BoxReading> reading = transfer.TakeReading();
    if (!reading)
        return false;
    read = true;
    boxCells = reading->cells;
    identification = boxCells[kIdentificationCell];
    differences = CompareWithBox(*project, boxCells);
    warnings = reading->warnings;
    boxProject = std::move(reading->project);
    return false;
}

std::vector<UserText> CCompareJob::Notes() const
{
    return warnings;
}

void CCompareJob::CompareWith(const ProjectState& other)
{
    if (read)
        differences = CompareWithBox(other, boxCells);
}
