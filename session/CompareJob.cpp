#include "CompareJob.h"

#include <BoxCompare.h>

CCompareJob::CCompareJob(const ProjectState& project_, std::unique_ptr<CLink> link)
    : project(CloneProject(project_))
    , transfer(project_, std::move(link), relay)
{
}

CCompareJob::~CCompareJob() = default;

int CCompareJob::LastPosition() const
{
    return kReadProgressEnd;
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
    differences = CompareWithBox(*project, reading->cells);
    warnings = reading->warnings;
    boxProject = std::move(reading->project);
    return false;
}

std::vector<UserText> CCompareJob::Notes() const
{
    return warnings;
}
