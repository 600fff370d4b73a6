#include "ProjectFile.h"

#include "DecimalText.h"

#include <FileWriter.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace {

const char* const kLineEnd = "\r\n";

// Columns where the writer puts the numbers, counted from 0.
constexpr std::size_t kAdcColumn = 6;
constexpr std::size_t kMinutesColumn = 14;
constexpr std::size_t kSecondsColumn = 20;
constexpr std::size_t kCurveDelayColumn = 14;
constexpr std::size_t kStartVoltageColumn = 7;
constexpr std::size_t kStopVoltageColumn = 6;
// "%f" prints any voltage from 0.0 to 5.0 as eight characters and a blank.
constexpr std::size_t kOutputColumn = 9;

// A point's number as the file keeps it (six decimals). Read with more, a
// point would move on the next save, or merge with a neighbour closer than
// the last decimal: what is opened is what a save writes.
double AsSavedPoint(double value)
{
    return ReadDecimalDouble(FormatFixed(value, 6));
}

// The start and stop voltage as the file keeps them (one decimal), for the
// same reason: the curve is trimmed at the voltage a save writes, so a file
// holding "Off = 4.46" opens as the project its own save gives back.
double AsSavedVoltage(double value)
{
    return ReadDecimalDouble(FormatFixed(value, 1));
}

void WritePoints(std::string& out, const CCurve& curve)
{
    for (const CPunt& p : curve)
        out += FormatFixed(p.input, 6) + " " + FormatFixed(p.output, 6) + kLineEnd;
}

using Points = std::vector<std::pair<double, double>>;

// The curve that adding the points one by one to an empty curve gives (a
// sorted list; an equal input keeps the first point's input and takes the
// last output), built in n log n so a long file cannot stall the reader.
CCurve BuildCurve(const Points& adds)
{
    std::vector<std::size_t> order(adds.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
        [&adds](std::size_t a, std::size_t b) { return adds[a].first < adds[b].first; });
    std::unique_ptr<CPunt> head;
    CPunt* tail = nullptr;
    for (std::size_t i : order) {
        const auto& [input, output] = adds[i];
        if (tail && tail->input == input) {
            tail->output = output;
            continue;
        }
        auto point = std::make_unique<CPunt>(input, output);
        CPunt* added = point.get();
        if (tail) {
            added->prev = tail;
            tail->next = point.release();
        } else {
            head = std::move(point);
        }
        tail = added;
    }
    return CCurve(std::move(head));
}

// Takes the next line off the front of the text, without its end; false
// when none is left. A last line without an end still counts, an end at the
// very end of the text starts no further line. No list of the lines is made:
// a file of blank lines costs the reader no more than its points.
bool NextLine(std::string_view& text, std::string_view& line)
{
    if (text.empty())
        return false;
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return true;
}

// "Start Delay = M min S sec": the minutes at column 14, the seconds after
// " min ". With minutes of one digit, as a start delay the panel sets has,
// that is column 20; a box may hold a delay of many minutes (up to 166, or
// below 0), whose seconds stand further right. A line not of that form
// keeps its seconds at column 20.
void ReadStartDelay(std::string_view line, int& minutes, int& seconds)
{
    constexpr std::string_view kMinutesWord = " min ";
    minutes = ReadDecimalInt(line, kMinutesColumn);
    const std::size_t minutesEnd = DecimalIntEnd(line, kMinutesColumn);
    std::size_t column = kSecondsColumn;
    if (minutesEnd != std::string_view::npos
        && line.substr(minutesEnd, kMinutesWord.size()) == kMinutesWord)
        column = minutesEnd + kMinutesWord.size();
    seconds = ReadDecimalInt(line, column);
}

// Where a point line's output starts: column 9, or just after the input when
// the input is wider than "%f" prints 0.0 to 5.0 (a box may hold inputs down
// to -19.98 V, printed with ten characters).
std::size_t OutputColumn(std::string_view line)
{
    const std::size_t inputEnd = DecimalDoubleEnd(line, 0);
    return inputEnd != std::string_view::npos && inputEnd > kOutputColumn ? inputEnd
                                                                          : kOutputColumn;
}

} // namespace

std::string WriteProjectText(const ProjectState& p)
{
    std::string out;
    out += "ADC = " + std::to_string(p.oneInput + 2 * p.twoInputs) + kLineEnd;
    out += "Start Delay = " + std::to_string(p.startDelayMin) + " min "
        + std::to_string(p.startDelaySec) + " sec" + kLineEnd;
    out += "Curve Delay = " + std::to_string(p.curveDelay) + " " + kLineEnd;
    out += "Volt = " + FormatFixed(p.startVoltage, 1) + kLineEnd;
    out += "Off = " + FormatFixed(p.stopVoltage, 1) + kLineEnd;
    out += std::string("CRD") + kLineEnd;
    WritePoints(out, p.crCurve);
    if (p.turboEnabled) {
        out += std::string("TURBO") + kLineEnd;
        WritePoints(out, p.turboCurve);
    }
    return out;
}

void ReadProjectText(std::string_view text, ProjectState& p)
{
    p.turboEnabled = false;
    // Both curves start again from (0, 0), (5, 5); file points at 0.0 V or
    // 5.0 V replace those end points' outputs.
    Points cr { { 0.0, 0.0 }, { 5.0, 5.0 } };
    Points turbo = cr;
    Points* section = &cr;

    for (std::string_view rest = text, line; NextLine(rest, line);) {
        const char first = line.empty() ? '\0' : line.front();
        if (first == 'A') {
            const bool twoInputs = line.size() > kAdcColumn && line[kAdcColumn] == '2';
            p.SetBoxType(twoInputs ? 1 : 0);
        } else if (first == 'V') {
            p.startVoltage = AsSavedVoltage(ReadDecimalDouble(line, kStartVoltageColumn));
        } else if (first == 'O') {
            p.stopVoltage = AsSavedVoltage(ReadDecimalDouble(line, kStopVoltageColumn));
        } else if (first == 'S') {
            ReadStartDelay(line, p.startDelayMin, p.startDelaySec);
        } else if (line == "CRD") {
            section = &cr;
        } else if (first == 'C') {
            p.curveDelay = ReadDecimalInt(line, kCurveDelayColumn);
        } else if (first == 'T') {
            p.SetBoxType(2);
            section = &turbo;
        } else {
            section->emplace_back(AsSavedPoint(ReadDecimalDouble(line, 0)),
                AsSavedPoint(ReadDecimalDouble(line, OutputColumn(line))));
        }
    }

    // A file with neither an ADC nor a TURBO line, opened while box type 2
    // was chosen, has no TURBO curve: it is a one-input project, and the box
    // type, caption and controls must say so.
    if (p.boxType == 2 && !p.turboEnabled)
        p.SetBoxType(0);

    p.crCurve = BuildCurve(cr);
    p.turboCurve = BuildCurve(turbo);
    p.TrimBelowStart();
    p.TrimAboveStop();
}

std::string FileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

SmallFile ReadProjectFileBytes(const std::string& path)
{
    return ReadSmallFile(path, kMaxProjectFileBytes);
}

UserText ForeignFileReason(std::string_view bytes)
{
    if (bytes.empty())
        return RAMVIK_TR("ProjectFile", "the file is empty");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((byte < 0x20 && byte != '\r' && byte != '\n') || byte == 0x7f)
            return RAMVIK_TR("ProjectFile", "it holds control characters (byte %1 is %2)")
                .Arg(std::to_string(i + 1))
                .Arg(std::to_string(byte));
    }
    static const std::string_view kParameterLines[]
        = { "ADC", "Start Delay", "Curve Delay", "Volt", "Off", "CRD", "TURBO" };
    for (std::string_view rest = bytes, line; NextLine(rest, line);)
        for (std::string_view known : kParameterLines)
            if (line.substr(0, known.size()) == known)
                return UserText();
    return RAMVIK_TR("ProjectFile", "no parameter line");
}

bool SaveProjectFile(const std::string& path, const ProjectState& project, std::string& error)
{
    return WriteFileSafely(path, WriteProjectText(project), error);
}
