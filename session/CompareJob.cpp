#include "CompareJob.h"

#include <BoxCompare.h>
#include <Punt.h>

namespace {

CPunt* CopyCurve(const CPunt* head)
{
    CPunt* copy = nullptr;
    for (const CPunt* point = head; point; point = point->next)
        copy = copy ? copy->Add(point->input, point->output)
                    : new CPunt(point->input, point->output);
    return copy;
}

std::unique_ptr<ProjectState> CopyProject(const ProjectState& project)
{
    auto copy = std::make_unique<ProjectState>();
    copy->CopyFieldsFrom(project);
    copy->ReplaceCrCurve(CopyCurve(project.crCurve));
    copy->ReplaceTurboCurve(CopyCurve(project.turboCurve));
    return copy;
}

} // namespace

CCompareJob::CCompareJob(const ProjectState& project_, std::unique_ptr<CLink> link)
    : project(CopyProject(project_))
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

std::vector<std::string> CCompareJob::Notes() const
{
    return warnings;
}
