#include "ProjectState.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {
const char* const kSingleTitle = "Common Rail Tuning - ";
const char* const kTurboTitle = "Common Rail & Turbo Tuning - ";
// A voltage closer to zero than this is zero.
constexpr double kZeroVoltage = 1e-9;
} // namespace

UserText BoxTypeName(int boxType)
{
    switch (boxType) {
    case 0:
        return RAMVIK_TR("ProjectState", "1 CR input");
    case 1:
        return RAMVIK_TR("ProjectState", "2 CR inputs");
    case 2:
        return RAMVIK_TR("ProjectState", "CR&TURBO");
    default:
        break;
    }
    return UserText();
}

UserText ProjectState::CaptionText() const
{
    // The title follows the box type chosen in the selector (SetBoxType).
    if (titlePrefix == kTurboTitle)
        return RAMVIK_TR("ProjectState", "Common Rail & Turbo Tuning - %1").Arg(fileName);
    return RAMVIK_TR("ProjectState", "Common Rail Tuning - %1").Arg(fileName);
}

ProjectState::ProjectState()
{
    New();
}

ProjectState::~ProjectState()
{
    FreeCurves();
}

ProjectState::ProjectState(ProjectState&& other) noexcept
{
    *this = std::move(other);
}

ProjectState& ProjectState::operator=(ProjectState&& other) noexcept
{
    if (this == &other)
        return *this;
    FreeCurves();
    crCurve = std::exchange(other.crCurve, nullptr);
    turboCurve = std::exchange(other.turboCurve, nullptr);
    CopyFieldsFrom(other);
    return *this;
}

void ProjectState::CopyFieldsFrom(const ProjectState& other)
{
    oneInput = other.oneInput;
    twoInputs = other.twoInputs;
    startDelayMin = other.startDelayMin;
    startDelaySec = other.startDelaySec;
    startVoltage = other.startVoltage;
    editCr = other.editCr;
    editTurbo = other.editTurbo;
    curveDelay = other.curveDelay;
    showCr = other.showCr;
    showTurbo = other.showTurbo;
    stopVoltage = other.stopVoltage;
    differenceView = other.differenceView;
    inputOutputView = other.inputOutputView;
    rootPath = other.rootPath;
    fileName = other.fileName;
    titlePrefix = other.titlePrefix;
    boxType = other.boxType;
    turboEnabled = other.turboEnabled;
    graphType = other.graphType;
}

void ProjectState::FreeCurves()
{
    delete crCurve;
    delete turboCurve;
    crCurve = nullptr;
    turboCurve = nullptr;
}

void ProjectState::ReplaceCrCurve(CPunt* head)
{
    if (head == crCurve)
        return;
    delete crCurve;
    crCurve = head;
}

void ProjectState::ReplaceTurboCurve(CPunt* head)
{
    if (head == turboCurve)
        return;
    delete turboCurve;
    turboCurve = head;
}

void ProjectState::New()
{
    FreeCurves();
    crCurve = MakeStraightCurve();
    turboCurve = MakeStraightCurve();
    startVoltage = 1.5;
    stopVoltage = 4.5;
    startDelayMin = 1;
    startDelaySec = 0;
    curveDelay = 200;
    crCurve->Add(startVoltage, startVoltage);
    crCurve->Add(stopVoltage, stopVoltage);
    // The inputs follow the box type, as the selector does.
    oneInput = boxType == 1 ? 0 : 1;
    twoInputs = boxType == 1 ? 1 : 0;
    showCr = 1;
    showTurbo = 1;
    fileName = kUntitledFileName;
}

bool ProjectState::SetBoxType(int index)
{
    if (index < 0 || index > 2)
        return false;
    boxType = index;
    showCr = 1;
    showTurbo = 1;
    editCr = 1;
    editTurbo = 0;
    oneInput = index == 1 ? 0 : 1;
    twoInputs = index == 1 ? 1 : 0;
    turboEnabled = index == 2;
    titlePrefix = turboEnabled ? kTurboTitle : kSingleTitle;
    return true;
}

void ProjectState::CopyCurve()
{
    if (!turboEnabled)
        return;
    if (editCr == 1) {
        CPunt* copy = new CPunt(0.0, 0.0);
        for (const CPunt* p = crCurve; p; p = p->next)
            copy = copy->Add(p->input, p->output);
        ReplaceTurboCurve(copy);
    } else if (editTurbo == 1) {
        CPunt* copy = new CPunt(0.0, 0.0);
        copy = copy->Add(startVoltage, startVoltage);
        copy = copy->Add(stopVoltage, stopVoltage);
        ReplaceCrCurve(copy);
        for (const CPunt* p = turboCurve; p; p = p->next) {
            crCurve = crCurve->Add(p->input, p->output);
            TrimBelowStart();
            TrimAboveStop();
        }
    }
}

void ProjectState::ResetCrCurve()
{
    CPunt* head = new CPunt(0.0, 0.0);
    head = head->Add(startVoltage, startVoltage);
    head = head->Add(stopVoltage, stopVoltage);
    head = head->Add(5.0, 5.0);
    ReplaceCrCurve(head);
}

void ProjectState::ResetTurboCurve()
{
    ReplaceTurboCurve(MakeStraightCurve());
}

// Collects first and removes afterwards, so the walk never visits a freed
// point. The head is never removed.
void ProjectState::RemoveCrPointsIn(double from, double below, bool includeFrom)
{
    std::vector<double> doomed;
    for (const CPunt* p = crCurve ? crCurve->next : nullptr; p; p = p->next) {
        const bool aboveFrom = includeFrom ? p->input >= from : p->input > from;
        if (aboveFrom && p->input < below)
            doomed.push_back(p->input);
    }
    for (double input : doomed)
        crCurve->Remove(input);
}

void ProjectState::TrimBelowStart()
{
    RemoveCrPointsIn(0.0, startVoltage, false);
}

void ProjectState::TrimAboveStop()
{
    RemoveCrPointsIn(stopVoltage, 5.0, false);
}

void ProjectState::StepStartVoltage(bool up)
{
    double volts = startVoltage + (up ? 0.1 : -0.1);
    if (volts > 0.9 && volts < 1.0)
        volts = 0.9;
    if (volts > stopVoltage)
        volts = stopVoltage;
    if (volts < 0.0)
        volts = 0.0;
    if (volts > 5.0)
        volts = 5.0;
    // Twenty steps down from 1.5 V end a hair above zero (1.4e-16), which
    // would show as such and give the curve a second point beside its head.
    if (std::abs(volts) < kZeroVoltage)
        volts = 0.0;
    MoveStartVoltageTo(volts);
}

void ProjectState::MoveStartVoltageTo(double volts)
{
    crCurve->Remove(startVoltage);
    startVoltage = volts;
    crCurve = crCurve->Add(startVoltage, startVoltage);
    crCurve = crCurve->Add(stopVoltage, stopVoltage);
    TrimBelowStart();
}

void ProjectState::StepStopVoltage(bool up)
{
    double volts = stopVoltage + (up ? 0.1 : -0.1);
    if (volts < startVoltage)
        volts = startVoltage;
    if (volts < 0.0)
        volts = 0.0;
    if (volts > 5.0)
        volts = 5.0;
    MoveStopVoltageTo(volts);
}

void ProjectState::MoveStopVoltageTo(double volts)
{
    if (stopVoltage < 5.0)
        crCurve->Remove(stopVoltage);
    stopVoltage = volts;
    // Points the user drew below the new stop voltage stay.
    RemoveCrPointsIn(stopVoltage, 5.0, true);
    crCurve = crCurve->Add(stopVoltage, stopVoltage);
    crCurve = crCurve->Add(startVoltage, startVoltage);
}

void ProjectState::StepStartDelayMinutes(bool up)
{
    int& m = startDelayMin;
    int& s = startDelaySec;
    if (up) {
        if (s > 0 && m == 3) {
            m = 4;
            s = 0;
        } else if (m == 4) {
            m = 0;
        } else {
            m += 1;
        }
    } else {
        if (m == 0) {
            m = 4;
            s = 0;
        } else {
            m -= 1;
        }
    }
}

void ProjectState::StepStartDelaySeconds(bool up)
{
    int& m = startDelayMin;
    int& s = startDelaySec;
    if (up) {
        if (m < 4) {
            if (s < 59) {
                s += 1;
            } else {
                s = 0;
                m += 1;
            }
        } else if (m == 4 && s == 0) {
            m = 0;
        }
    } else {
        if (m == 0 && s == 0) {
            m = 4;
        } else if (s > 0) {
            s -= 1;
        } else {
            s = 59;
            m -= 1;
        }
    }
}

void ProjectState::StepCurveDelay(bool up)
{
    if (up && curveDelay < 500)
        curveDelay += 20;
    else if (!up && curveDelay > 0)
        curveDelay -= 20;
}

void ProjectState::SelectCrForEdit()
{
    editCr = 1;
    editTurbo = 0;
    showCr = 1;
}

void ProjectState::SelectTurboForEdit()
{
    if (!turboEnabled)
        return;
    editCr = 0;
    editTurbo = 1;
    showTurbo = 1;
}

void ProjectState::ClickShowCr()
{
    if (turboEnabled && showTurbo == 1 && editCr == 0)
        showCr = showCr ? 0 : 1;
    else
        showCr = 1;
}

void ProjectState::ClickShowTurbo()
{
    if (editTurbo == 0)
        showTurbo = showTurbo ? 0 : 1;
}

void ProjectState::ChooseInputOutputView()
{
    if (inputOutputView != 0)
        return;
    inputOutputView = 1;
    differenceView = differenceView ? 0 : 1;
    graphType = 1;
}

void ProjectState::ChooseDifferenceView()
{
    if (differenceView != 0)
        return;
    inputOutputView = inputOutputView ? 0 : 1;
    differenceView = 1;
    graphType = inputOutputView ? 1 : 0;
}

void ProjectState::SetGraphType(int type)
{
    graphType = type ? 1 : 0;
    inputOutputView = graphType;
    differenceView = graphType ? 0 : 1;
}

std::unique_ptr<ProjectState> CloneProject(const ProjectState& project)
{
    auto copy = std::make_unique<ProjectState>();
    copy->CopyFieldsFrom(project);
    copy->ReplaceCrCurve(CopyPoints(project.crCurve));
    copy->ReplaceTurboCurve(CopyPoints(project.turboCurve));
    return copy;
}
