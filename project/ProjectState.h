#pragma once

#include "Punt.h"
#include "UserText.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

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

// Everything that makes up one tuning project: the two transfer curves, the
// box type with its input configuration, and the timing and voltage
// parameters sent to the box with the curves. The state owns both curves.
//
// Every operation here is one user action of the main window (a button, a
// spin click or a check-box click); the window calls it and then refreshes.
struct ProjectState {
    ProjectState();
    ~ProjectState();
    ProjectState(const ProjectState&) = delete;
    ProjectState& operator=(const ProjectState&) = delete;
    ProjectState(ProjectState&& other) noexcept;
    ProjectState& operator=(ProjectState&& other) noexcept;

    CPunt* crCurve = nullptr; // owned; always starts at 0.0 V
    CPunt* turboCurve = nullptr; // owned; always starts at 0.0 V
    int oneInput = 1;
    int twoInputs = 0;
    int startDelayMin = 1; // minutes, 0 to 4
    int startDelaySec = 0; // seconds, 0 to 59; 0 at 4 minutes
    double startVoltage = 1.5;
    int editCr = 1;
    int editTurbo = 0;
    int curveDelay = 200; // milliseconds per 0.1 V
    int showCr = 1;
    int showTurbo = 1;
    double stopVoltage = 4.5;
    int differenceView = 0;
    int inputOutputView = 1;
    std::string rootPath; // installation folder, ends in a separator
    std::string fileName;
    std::string titlePrefix = "Common Rail Tuning - ";
    int boxType = 0; // 0 "1 CR input", 1 "2 CR inputs", 2 "CR&TURBO"
    bool turboEnabled = false;
    unsigned char graphType = 1; // 1 input against output, 0 difference

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
    // The head field of the edited curve.
    CPunt*& EditedCurve() { return editCr ? crCurve : turboCurve; }
    const CPunt* EditedCurve() const { return editCr ? crCurve : turboCurve; }

    // Copies every field but the two curves, which stay as they are.
    void CopyFieldsFrom(const ProjectState& other);

    // Takes ownership of a new curve and frees the old one.
    void ReplaceCrCurve(CPunt* head);
    void ReplaceTurboCurve(CPunt* head);

private:
    // The upkeep a start or stop voltage change makes to the CR curve: the
    // old point goes, the new one lies on the line output = input.
    void MoveStartVoltageTo(double volts);
    void MoveStopVoltageTo(double volts);
    void RemoveCrPointsIn(double from, double below, bool includeFrom);
    void FreeCurves();
};

// The seconds of a start delay typed as minutes and seconds ("1:30", "0:05",
// "4:00"; blanks around the parts are allowed); nothing when the text is not
// of that form or its seconds are 60 or more.
std::optional<int> ParseMinutesSeconds(std::string_view text);

// A deep copy of the project with both curves.
std::unique_ptr<ProjectState> CloneProject(const ProjectState& project);
