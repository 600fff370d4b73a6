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

void ProjectState::New()
{
    crCurve = CCurve::Straight();
    turboCurve = CCurve::Straight();
    startVoltage = 1.5;
    stopVoltage = 4.5;
    startDelayMin = 1;
    startDelaySec = 0;
    curveDelay = 200;
    crCurve.Add(startVoltage, startVoltage);
    crCurve.Add(stopVoltage, stopVoltage);
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
    oneInput = index == 1 ? 0 : 1;
    twoInputs = index == 1 ? 1 : 0;
    turboEnabled = index == 2;
    ApplyBoxTypeView();
    return true;
}

void ProjectState::ApplyBoxTypeView()
{
    showCr = 1;
    showTurbo = 1;
    editCr = 1;
    editTurbo = 0;
    titlePrefix = boxType == 2 ? kTurboTitle : kSingleTitle;
}

void ProjectState::CopyCurve()
{
    if (!turboEnabled)
        return;
    if (editCr == 1) {
        CCurve copy { { 0.0, 0.0 } };
        for (const CPunt& p : crCurve)
            copy.Add(p.input, p.output);
        turboCurve = std::move(copy);
    } else if (editTurbo == 1) {
        crCurve
            = CCurve { { 0.0, 0.0 }, { startVoltage, startVoltage }, { stopVoltage, stopVoltage } };
        for (const CPunt& p : turboCurve) {
            crCurve.Add(p.input, p.output);
            TrimBelowStart();
            TrimAboveStop();
        }
    }
}

void ProjectState::ResetCrCurve()
{
    crCurve = CCurve { { 0.0, 0.0 }, { startVoltage, startVoltage }, { stopVoltage, stopVoltage },
        { 5.0, 5.0 } };
}

void ProjectState::ResetTurboCurve()
{
    turboCurve = CCurve::Straight();
}

// Collects first and removes afterwards, so the walk never visits a freed
// point. The head is never removed.
void ProjectState::RemoveCrPointsIn(double from, double below, bool includeFrom)
{
    std::vector<double> doomed;
    for (const CPunt* p = crCurve.Empty() ? nullptr : crCurve.Head()->next; p; p = p->next) {
        const bool aboveFrom = includeFrom ? p->input >= from : p->input > from;
        if (aboveFrom && p->input < below)
            doomed.push_back(p->input);
    }
    for (double input : doomed)
        crCurve.Remove(input);
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
    crCurve.Remove(startVoltage);
    startVoltage = volts;
    crCurve.Add(startVoltage, startVoltage);
    crCurve.Add(stopVoltage, stopVoltage);
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
        crCurve.Remove(stopVoltage);
    stopVoltage = volts;
    // Points the user drew below the new stop voltage stay.
    RemoveCrPointsIn(stopVoltage, 5.0, true);
    crCurve.Add(stopVoltage, stopVoltage);
    crCurve.Add(startVoltage, startVoltage);
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
