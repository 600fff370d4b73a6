#pragma once

#include "Curve.h"
#include "FieldCount.h"
#include "UserText.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

// Most points a curve can hold: the box stores 62 CR pairs (its 63rd pair is
// always empty) and 63 TURBO pairs, so the graph refuses a point beyond them.
constexpr int kMaxCrPoints = 62;
constexpr int kMaxTurboPoints = 63;

// What became of a point edit: whether the curve changed, and, when the rules
// held the edit back in full or in part, why, as a sentence for the user
// (empty when nothing was held back).
struct PointEditResult {
    bool changed = false;
    UserText refusal;
};

// The outputs a point of the edited curve may take, volts, both included.
struct OutputLimits {
    double low = 0.0;
    double high = 0.0;
};

// The file name of a project no file holds yet.
constexpr const char* kUntitledFileName = "untitled.rmvp";

// The nearest of the box's voltage steps (fiftieths of a volt).
double SnapToBoxStep(double volts);

// A box type's name as the selector shows it: "1 CR input", "2 CR inputs",
// "CR&TURBO"; empty for a type outside 0 to 2.
UserText BoxTypeName(int boxType);

// What the project file stores: the two transfer curves and the parameters
// sent to the box with them. Two projects with equal data write the same
// file and the same box table (the TURBO curve, kept while another box type
// is chosen, is written only with box type 2).
struct ProjectData {
    CCurve crCurve; // always starts at 0.0 V
    CCurve turboCurve; // always starts at 0.0 V
    int oneInput = 1;
    int twoInputs = 0;
    int startDelayMin = 1; // minutes, 0 to 4
    int startDelaySec = 0; // seconds, 0 to 59; 0 at 4 minutes
    double startVoltage = 1.5;
    int curveDelay = 200; // milliseconds per 0.1 V
    double stopVoltage = 4.5;
    int boxType = 0; // 0 "1 CR input", 1 "2 CR inputs", 2 "CR&TURBO"
    bool turboEnabled = false;

    // Every field once, for the comparison. The build checks that the list
    // is as long as the struct (below).
    auto Fields() const
    {
        return std::tie(crCurve, turboCurve, oneInput, twoInputs, startDelayMin, startDelaySec,
            startVoltage, curveDelay, stopVoltage, boxType, turboEnabled);
    }
    bool operator==(const ProjectData& other) const { return Fields() == other.Fields(); }
    bool operator!=(const ProjectData& other) const { return !(*this == other); }
};

// What only the window shows: which curve is edited and which are drawn, the
// graph view, the installation folder and the caption. No file stores it;
// the caption follows the document's file name and box type.
struct ProjectView {
    int editCr = 1;
    int editTurbo = 0;
    int showCr = 1;
    int showTurbo = 1;
    int differenceView = 0;
    int inputOutputView = 1;
    unsigned char graphType = 1; // 1 input against output, 0 difference
    std::string rootPath; // installation folder, ends in a separator
    std::string fileName;
    std::string titlePrefix = "Common Rail Tuning - ";

    auto Fields() const
    {
        return std::tie(editCr, editTurbo, showCr, showTurbo, differenceView, inputOutputView,
            graphType, rootPath, fileName, titlePrefix);
    }
    bool operator==(const ProjectView& other) const { return Fields() == other.Fields(); }
    bool operator!=(const ProjectView& other) const { return !(*this == other); }
};

// The comparisons name every field: a field added to a struct and left out of
// its list stops the build here. Copies are the compiler's, which copy every
// field without a list.
static_assert(
    std::tuple_size_v<
        decltype(std::declval<const ProjectData&>().Fields())> == FieldCount<ProjectData>(),
    "ProjectData::Fields() must list every field of ProjectData");
static_assert(
    std::tuple_size_v<
        decltype(std::declval<const ProjectView&>().Fields())> == FieldCount<ProjectView>(),
    "ProjectView::Fields() must list every field of ProjectView");

// Everything that makes up one tuning project: the document (ProjectData)
// and how the window shows it (ProjectView). A value: it copies, assigns and
// compares as a whole, and keeps no field of its own beside the two parts.
//
// Every operation here is one user action of the main window (a button, a
// spin click or a check-box click); the window calls it and then refreshes.
struct ProjectState : ProjectData, ProjectView {
    // The default project (New).
    ProjectState();

    ProjectData& Data() { return *this; }
    const ProjectData& Data() const { return *this; }
    ProjectView& View() { return *this; }
    const ProjectView& View() const { return *this; }

    bool operator==(const ProjectState& other) const
    {
        return Data() == other.Data() && View() == other.View();
    }
    bool operator!=(const ProjectState& other) const { return !(*this == other); }

    // The window's caption: the title of the box type and the file name. As
    // a text, for the window to translate; as English, for the tool.
    UserText CaptionText() const;
    std::string Caption() const { return CaptionText().English(); }
    // The settings code remembered between runs: view x 10 + box type.
    int SettingsCode() const { return graphType * 10 + boxType; }

    // The default project. Keeps the box type, the edited curve and the view.
    void New();
    // Applies a box type of the selector; an index outside 0 to 2 changes
    // nothing and returns false.
    bool SetBoxType(int index);
    // The view a box type starts with: the CR curve edited, both curves
    // drawn, its title in the caption.
    void ApplyBoxTypeView();
    // Copies the edited curve onto the other one (box type 2 only).
    void CopyCurve();
    void ResetCrCurve();
    void ResetTurboCurve();
    // Remove CR points strictly between 0.0 V and the start voltage, and
    // strictly between the stop voltage and 5.0 V.
    void TrimBelowStart();
    void TrimAboveStop();

    // Spin clicks. The voltages step by 0.1 V in plain double arithmetic; the
    // small drift that leaves is rounded away where a value leaves the program
    // (one decimal in the file, whole fiftieths of a volt in the box).
    void StepStartVoltage(bool up);
    void StepStopVoltage(bool up);
    void StepStartDelayMinutes(bool up);
    void StepStartDelaySeconds(bool up);
    void StepCurveDelay(bool up);

    // Typed values (ProjectTypedValues.cpp): the same change as the arrows
    // make, straight to the value typed, with the same limits and curve
    // upkeep. A value the arrows could not reach (off their steps, beyond
    // their limits) is refused and the project stays as it was; the result
    // is why, or empty when the value was taken.
    UserText TypeStartVoltage(double volts);
    UserText TypeStopVoltage(double volts);
    UserText TypeStartDelay(int seconds);
    UserText TypeCurveDelay(int milliseconds);

    // Check-box clicks; a refused click leaves the flags as they were.
    void SelectCrForEdit();
    void SelectTurboForEdit();
    void ClickShowCr();
    void ClickShowTurbo();
    void ChooseInputOutputView();
    void ChooseDifferenceView();
    // Sets the view flags from a remembered graph type (0 or 1).
    void SetGraphType(int type);

    // --- point edits of the edited curve (ProjectPoints.cpp). Every change a
    // user makes to single points goes through these three, so a history can
    // record each call as one step. Outputs snap to the box's 0.02 V steps.
    //
    // Sets the output of the point at exactly this input, or inserts a point
    // there; an output beyond the limits is held at the nearer limit.
    PointEditResult SetPointOutput(double input, double output);
    // Removes the point at exactly this input.
    PointEditResult RemovePoint(double input);
    // Puts the point at this input on the line output = input (the right
    // button during a drag), inserting it if needed; no limits apply.
    PointEditResult PutPointOnLine(double input);
    // Why the edited curve's point at this input cannot be moved; empty when
    // it can.
    UserText MoveRefusal(double input) const;
    // The outputs allowed at this input for the edited curve in the current
    // view (the Difference view allows no output above the input).
    OutputLimits PointOutputLimits(double input) const;
    CCurve& EditedCurve() { return editCr ? crCurve : turboCurve; }
    const CCurve& EditedCurve() const { return editCr ? crCurve : turboCurve; }

private:
    // The upkeep a start or stop voltage change makes to the CR curve: the
    // old point goes, the new one lies on the line output = input.
    void MoveStartVoltageTo(double volts);
    void MoveStopVoltageTo(double volts);
    void RemoveCrPointsIn(double from, double below, bool includeFrom);
};

namespace project_state_detail {
struct Parts : ProjectData, ProjectView { };
} // namespace project_state_detail
static_assert(sizeof(ProjectState) == sizeof(project_state_detail::Parts),
    "ProjectState keeps its values in ProjectData or ProjectView, which copy and compare them");

// The seconds of a start delay typed as minutes and seconds ("1:30", "0:05",
// "4:00"; blanks around the parts are allowed); nothing when the text is not
// of that form or its seconds are 60 or more.
std::optional<int> ParseMinutesSeconds(std::string_view text);
