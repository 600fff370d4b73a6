#include "PointRange.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kStepsPerVolt = 50.0;
// An input within this of a point's input names that point: two decimals in
// a text, or a voltage that drifted through 0.1 V steps, still find it.
constexpr double kSameInput = 1e-6;
// Limits computed in doubles miss the box's steps by rounding; this much
// still counts as on the step.
constexpr double kStepSlack = 1e-6;
constexpr double kHighestInput = 5.0;

// The limits of a point's output narrowed to the box's steps, so a value
// held at a limit is one a box stores.
OutputLimits StepLimits(OutputLimits limits)
{
    limits.low = std::ceil(limits.low * kStepsPerVolt - kStepSlack) / kStepsPerVolt;
    limits.high = std::floor(limits.high * kStepsPerVolt + kStepSlack) / kStepsPerVolt;
    return limits;
}

// Outputs this close are the same: a voltage that drifted through 0.1 V
// steps (the CR start and stop points sit on it) equals its two decimals.
bool SameVolts(double a, double b)
{
    return std::abs(a - b) < kSameInput;
}

bool OnBoxStep(double volts)
{
    const double steps = volts * kStepsPerVolt;
    return std::abs(steps - std::round(steps)) < kStepSlack;
}

UserText PointsText(int count, const UserText& one, const UserText& many)
{
    return count == 1 ? one : UserText(many).Number(count, 0);
}

UserText Joined(const UserText& first, const UserText& second)
{
    return RAMVIK_TR("PointRange", "%1, %2").Arg(first).Arg(second);
}

// The outputs held at a limit: one value when they all sit at the same one.
struct HeldOutputs {
    int count = 0;
    double value = 0.0;
    bool same = true;

    void Add(double output)
    {
        if (count > 0 && output != value)
            same = false;
        value = output;
        ++count;
    }
};

UserText StatusOf(const RangeEditResult& result, const HeldOutputs& held)
{
    UserText status;
    const auto append = [&status](const UserText& part) {
        status = status.Empty() ? part : Joined(status, part);
    };
    if (result.moved > 0)
        append(PointsText(result.moved, RAMVIK_TR("PointRange", "1 point changed"),
            RAMVIK_TR("PointRange", "%1 points changed")));
    if (result.added > 0)
        append(PointsText(result.added, RAMVIK_TR("PointRange", "1 point added"),
            RAMVIK_TR("PointRange", "%1 points added")));
    if (result.removed > 0)
        append(PointsText(result.removed, RAMVIK_TR("PointRange", "1 point removed"),
            RAMVIK_TR("PointRange", "%1 points removed")));
    if (status.Empty())
        append(RAMVIK_TR("PointRange", "No point changed"));
    if (held.count > 0 && held.same)
        append(held.count == 1 ? RAMVIK_TR("PointRange", "1 held at %1 V").Number(held.value, 2)
                               : RAMVIK_TR("PointRange", "%1 held at %2 V")
                                     .Number(held.count, 0)
                                     .Number(held.value, 2));
    else if (held.count > 0)
        append(PointsText(held.count, RAMVIK_TR("PointRange", "1 held at its limit"),
            RAMVIK_TR("PointRange", "%1 held at their limits")));
    if (result.fixed > 0)
        append(PointsText(result.fixed, RAMVIK_TR("PointRange", "1 may not move"),
            RAMVIK_TR("PointRange", "%1 may not move")));
    return status;
}

RangeEditResult Refused(UserText why)
{
    RangeEditResult result;
    result.refusal = std::move(why);
    result.status = result.refusal;
    return result;
}

void CountFixed(RangeEditResult& result, const UserText& why)
{
    if (result.fixed++ == 0)
        result.heldBack = why;
}

// The selected inputs the edited curve holds, ascending, each once.
std::vector<CPunt*> SelectedPoints(ProjectState& project, PointSelection selection)
{
    std::sort(selection.begin(), selection.end());
    selection.erase(std::unique(selection.begin(), selection.end()), selection.end());
    std::vector<CPunt*> points;
    CCurve& curve = project.EditedCurve();
    for (double input : selection) {
        if (CPunt* p = curve.At(input))
            points.push_back(p);
    }
    return points;
}

struct Target {
    CPunt* point;
    double output; // unsnapped
};

// Puts computed outputs in place: snapped to the box's steps, held within the
// point's limits; points the rules keep stay.
RangeEditResult ApplyTargets(const ProjectState& project, const std::vector<Target>& targets)
{
    RangeEditResult result;
    HeldOutputs held;
    for (const Target& target : targets) {
        CPunt& p = *target.point;
        double output = SnapToBoxStep(target.output);
        const UserText refusal = project.MoveRefusal(p.input);
        if (!refusal.Empty()) {
            if (!SameVolts(output, p.output))
                CountFixed(result, refusal);
            continue;
        }
        const OutputLimits limits = StepLimits(project.PointOutputLimits(p.input));
        if (limits.low > limits.high)
            continue; // an input beyond what any output can follow; never built
        if (output < limits.low || output > limits.high) {
            output = std::clamp(output, limits.low, limits.high);
            held.Add(output);
        }
        if (!SameVolts(output, p.output)) {
            p.output = output;
            ++result.moved;
            result.changed = true;
        }
    }
    result.held = held.count;
    result.status = StatusOf(result, held);
    return result;
}

UserText NoNumbers()
{
    return RAMVIK_TR("PointRange", "The text holds no numbers.");
}

UserText NothingSelected()
{
    return RAMVIK_TR("PointRange", "No point is selected.");
}

RangeEditResult ComputeOutputs(ProjectState& project, const PointSelection& selection,
    double argument, double (*output)(double current, double argument))
{
    if (!std::isfinite(argument))
        return Refused(RAMVIK_TR("PointRange", "The value is not a number."));
    std::vector<Target> targets;
    for (CPunt* p : SelectedPoints(project, selection))
        targets.push_back({ p, output(p->output, argument) });
    if (targets.empty())
        return Refused(NothingSelected());
    return ApplyTargets(project, targets);
}

// The output a straight line through (x1, y1) and (x2, y2) has at x.
double Along(double x1, double y1, double x2, double y2, double x)
{
    if (x2 == x1)
        return y1;
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

const CCurve* SameKindOfCurve(const ProjectState& project, const ProjectState& other)
{
    if (project.editCr)
        return &other.crCurve;
    return other.turboEnabled ? &other.turboCurve : nullptr;
}

UserText NoTurboCurve()
{
    return RAMVIK_TR("PointRange", "The other project has no TURBO curve.");
}

UserText AtLine(int line, const UserText& why)
{
    if (line <= 0)
        return RAMVIK_TR("PointRange", "Nothing changed: %1").Arg(why);
    return RAMVIK_TR("PointRange", "Line %1: %2").Number(line, 0).Arg(why);
}

bool Removable(const ProjectState& project, const CPunt& p)
{
    return p.prev && p.input < kHighestInput && project.MoveRefusal(p.input).Empty();
}

} // namespace

double CurveOutputAt(const CCurve& curve, double input)
{
    const CPunt* p = curve.Find(input);
    if (!p)
        return curve.Empty() ? 0.0 : curve.Head()->output;
    if (p->input == input || !p->next)
        return p->output;
    return Along(p->input, p->output, p->next->input, p->next->output, input);
}

RangeEditResult SetOutputs(ProjectState& project, const PointSelection& selection, double volts)
{
    return ComputeOutputs(project, selection, volts, [](double, double value) { return value; });
}

RangeEditResult AddToOutputs(ProjectState& project, const PointSelection& selection, double volts)
{
    return ComputeOutputs(
        project, selection, volts, [](double current, double add) { return current + add; });
}

RangeEditResult ScaleOutputs(ProjectState& project, const PointSelection& selection, double percent)
{
    return ComputeOutputs(project, selection, percent,
        [](double current, double by) { return current * by / 100.0; });
}

RangeEditResult InterpolateOutputs(ProjectState& project, const PointSelection& selection)
{
    const std::vector<CPunt*> points = SelectedPoints(project, selection);
    if (points.size() < 3)
        return Refused(
            RAMVIK_TR("PointRange", "Interpolating needs three selected points or more."));
    const CPunt& first = *points.front();
    const CPunt& last = *points.back();
    std::vector<Target> targets;
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        targets.push_back({ points[i],
            Along(first.input, first.output, last.input, last.output, points[i]->input) });
    return ApplyTargets(project, targets);
}

RangeEditResult SmoothOutputs(ProjectState& project, const PointSelection& selection)
{
    const std::vector<CPunt*> points = SelectedPoints(project, selection);
    if (points.size() < 3)
        return Refused(RAMVIK_TR("PointRange", "Smoothing needs three selected points or more."));
    // Every target from the outputs before the step, so the result does not
    // depend on the direction the points are visited in.
    std::vector<Target> targets;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const CPunt& p = *points[i];
        const double between
            = Along(p.prev->input, p.prev->output, p.next->input, p.next->output, p.input);
        targets.push_back({ points[i], (p.output + between) / 2.0 });
    }
    return ApplyTargets(project, targets);
}

RangeEditResult TakeOutputsFrom(
    ProjectState& project, const PointSelection& selection, const ProjectState& other)
{
    const CCurve* source = SameKindOfCurve(project, other);
    if (!source)
        return Refused(NoTurboCurve());
    std::vector<Target> targets;
    for (CPunt* p : SelectedPoints(project, selection))
        targets.push_back({ p, CurveOutputAt(*source, p->input) });
    if (targets.empty())
        return Refused(NothingSelected());
    return ApplyTargets(project, targets);
}

namespace {

// ReplacePoints; checkInputs false for inputs taken from the curve itself.
RangeEditResult ApplyGiven(ProjectState& project, double from, double to,
    const std::vector<GivenPoint>& given, bool checkInputs)
{
    std::vector<GivenPoint> points = given;
    std::stable_sort(points.begin(), points.end(),
        [](const GivenPoint& a, const GivenPoint& b) { return a.input < b.input; });
    for (std::size_t i = 0; i < points.size(); ++i) {
        const GivenPoint& point = points[i];
        if (!std::isfinite(point.output))
            return Refused(
                AtLine(point.line, RAMVIK_TR("PointRange", "the output is not a number.")));
        if (!checkInputs)
            continue;
        if (!std::isfinite(point.input) || point.input < 0.0 || point.input > kHighestInput)
            return Refused(AtLine(point.line,
                RAMVIK_TR("PointRange", "the input %1 V lies outside 0 V to 5 V.")
                    .Number(point.input, 2)));
        if (!OnBoxStep(point.input))
            return Refused(AtLine(point.line,
                RAMVIK_TR("PointRange", "the input %1 V is not on the box's 0.02 V steps.")
                    .Number(point.input)));
        if (i > 0 && point.input - points[i - 1].input < kSameInput)
            return Refused(AtLine(point.line,
                RAMVIK_TR("PointRange", "the input %1 V is given twice.").Number(point.input, 2)));
    }

    // The stretch is replaced in a copy, which takes the curve's place only
    // when every value holds: a refusal changes nothing.
    CCurve curve = project.EditedCurve();
    RangeEditResult result;
    const auto isGiven = [&points](double input) {
        return std::any_of(points.begin(), points.end(),
            [input](const GivenPoint& p) { return std::abs(p.input - input) < kSameInput; });
    };
    std::vector<double> doomed;
    for (const CPunt& p : curve) {
        if (p.input >= from - kSameInput && p.input <= to + kSameInput && !isGiven(p.input)
            && Removable(project, p))
            doomed.push_back(p.input);
    }
    for (double input : doomed)
        curve.Remove(input);
    result.removed = static_cast<int>(doomed.size());

    // New points are added once all are known to fit, so a long text never
    // grows the curve beyond what a box stores.
    std::vector<std::pair<double, double>> adds;
    for (const GivenPoint& point : points) {
        // A point the curve holds keeps its exact input.
        double input = point.input;
        const CPunt* near = curve.Find(input + kSameInput);
        if (near && std::abs(near->input - input) < kSameInput)
            input = near->input;
        CPunt* existing = curve.At(input);
        const double output = SnapToBoxStep(point.output);
        const UserText refusal = project.MoveRefusal(input);
        if (!refusal.Empty()) {
            if (!existing || !SameVolts(existing->output, output))
                CountFixed(result,
                    point.line > 0
                        ? RAMVIK_TR("PointRange", "Line %1: %2").Number(point.line, 0).Arg(refusal)
                        : refusal);
            continue;
        }
        const OutputLimits limits = StepLimits(project.PointOutputLimits(input));
        if (output < limits.low || output > limits.high)
            return Refused(AtLine(point.line,
                RAMVIK_TR("PointRange", "the output %1 V at %2 V lies outside %3 V to %4 V.")
                    .Number(output, 2)
                    .Number(input, 2)
                    .Number(limits.low, 2)
                    .Number(limits.high, 2)));
        if (!existing) {
            adds.emplace_back(input, output);
        } else if (!SameVolts(existing->output, output)) {
            existing->output = output;
            ++result.moved;
        }
    }

    const int capacity = project.editCr ? kMaxCrPoints : kMaxTurboPoints;
    const std::size_t count = static_cast<std::size_t>(curve.Count()) + adds.size();
    if (count > static_cast<std::size_t>(capacity))
        return Refused((project.editCr
                ? RAMVIK_TR("PointRange", "The CR curve would hold %1 points; a box stores %2.")
                : RAMVIK_TR("PointRange", "The TURBO curve would hold %1 points; a box stores %2."))
                           .Number(static_cast<double>(count), 0)
                           .Number(capacity, 0));
    for (const auto& [input, output] : adds)
        curve.Add(input, output);
    result.added = static_cast<int>(adds.size());
    result.changed = curve != project.EditedCurve();
    if (result.changed)
        project.EditedCurve() = std::move(curve);
    result.status = StatusOf(result, HeldOutputs());
    return result;
}

} // namespace

RangeEditResult ReplacePoints(
    ProjectState& project, double from, double to, const std::vector<GivenPoint>& points)
{
    return ApplyGiven(project, from, to, points, true);
}

RangeEditResult TakePointsFrom(
    ProjectState& project, const PointSelection& selection, const ProjectState& other)
{
    const CCurve* source = SameKindOfCurve(project, other);
    if (!source)
        return Refused(NoTurboCurve());
    const std::vector<CPunt*> points = SelectedPoints(project, selection);
    if (points.empty())
        return Refused(NothingSelected());
    const double from = points.front()->input;
    const double to = points.back()->input;
    std::vector<GivenPoint> taken;
    for (const CPunt& p : *source) {
        if (p.input >= from - kSameInput && p.input <= to + kSameInput)
            taken.push_back({ p.input, p.output, 0 });
    }
    return ReplacePoints(project, from, to, taken);
}

RangeEditResult PastePoints(
    ProjectState& project, const PointSelection& selection, const PointsReading& pasted)
{
    if (!pasted.refusal.Empty())
        return Refused(pasted.refusal);
    if (pasted.points.empty())
        return Refused(NoNumbers());
    const std::vector<CPunt*> selected = SelectedPoints(project, selection);
    const std::vector<GivenPoint>& points = pasted.points;
    if (pasted.shape == PointsReading::Shape::Pairs) {
        if (selected.empty())
            return ReplacePoints(project, 1.0, 0.0, points);
        const auto [low, high] = std::minmax_element(points.begin(), points.end(),
            [](const GivenPoint& a, const GivenPoint& b) { return a.input < b.input; });
        return ReplacePoints(project, std::min(selected.front()->input, low->input),
            std::max(selected.back()->input, high->input), points);
    }
    if (selected.empty())
        return Refused(RAMVIK_TR("PointRange",
            "Select the points these numbers are the outputs of, or paste input and output "
            "pairs."));
    const std::size_t count = points.size();
    if (count != 1 && count != selected.size()) {
        if (selected.size() == 1)
            return Refused(RAMVIK_TR("PointRange",
                "%1 numbers for 1 selected point: select as many points as there are numbers.")
                               .Number(static_cast<double>(count), 0));
        return Refused(RAMVIK_TR("PointRange",
            "%1 numbers for %2 selected points: select as many points as there are numbers.")
                           .Number(static_cast<double>(count), 0)
                           .Number(static_cast<double>(selected.size()), 0));
    }
    std::vector<GivenPoint> given;
    for (std::size_t i = 0; i < selected.size(); ++i) {
        const GivenPoint& value = points[count == 1 ? 0 : i];
        given.push_back({ selected[i]->input, value.output, value.line });
    }
    return ApplyGiven(project, 1.0, 0.0, given, false);
}

RangeEditResult SetPointsFromText(ProjectState& project, const PointsReading& pasted)
{
    if (!pasted.refusal.Empty())
        return Refused(pasted.refusal);
    if (pasted.points.empty())
        return Refused(NoNumbers());
    if (pasted.shape != PointsReading::Shape::Pairs)
        return Refused(RAMVIK_TR("PointRange",
            "The text holds single numbers; replacing points needs an input and an output on "
            "each line."));
    const auto [low, high] = std::minmax_element(pasted.points.begin(), pasted.points.end(),
        [](const GivenPoint& a, const GivenPoint& b) { return a.input < b.input; });
    return ReplacePoints(project, low->input, high->input, pasted.points);
}
