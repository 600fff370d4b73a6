#pragma once

#include <ProjectState.h>
#include <Punt.h>
#include <UserText.h>

#include <array>
#include <string>
#include <vector>

// The box's memory as the transfers see it: cells 0 to 767.
//   0..125    CR curve, 63 pairs (input, output) in volts x 50; pair 0 is
//             (0, stop voltage x 10); pair 62 (cells 124, 125) always empty
//   126..251  TURBO curve, 63 pairs; pair 0 is (start voltage x 10, CR output
//             at the stop voltage in counts)
//   252       box type + curve delay x 10 / 20
//   253       CR output at the start voltage, counts
//   254       start delay, seconds
//   255       the box's identification (read only)
//   256..511  n - CR output at n / 51 V, counts, n = 0..255
//   512..767  TURBO output at n / 51 V, counts (767 is never sent)
// Counts are volts x 51. An empty pair holds 251 in both cells; a reader
// takes a pair as empty when its input cell is above 250.
constexpr int kBoxCells = 768;
constexpr int kStopVoltageCell = 1;
constexpr int kStartVoltageCell = 126;
constexpr int kStopOutputCell = 127;
constexpr int kBoxTypeCell = 252;
constexpr int kStartOutputCell = 253;
constexpr int kStartDelayCell = 254;
constexpr int kIdentificationCell = 255;
constexpr int kLastDataCell = 254; // cells 0..254 carry the project's meaning
constexpr int kLastWrittenCell = 766;
constexpr double kEmptyPair = 251.0;

using BoxTable = std::array<double, kBoxCells>;

// The curve's output at input voltage v, in counts (volts x 51), by linear
// interpolation between the points around v. Outside the curve's inputs the
// nearest end point's output holds.
double CurveCounts(double v, const CPunt* head);

// The 768 cell values of a project, exactly as the box stores them before
// rounding or truncation by the frame formats. Cell 255 stays 0.
BoxTable ComputeBoxTable(const ProjectState& project);

// Why the box cannot hold this project, one line per reason naming the value;
// empty when it can. Writing such a project would corrupt the box's table.
// Every curve that is written is checked: the TURBO curve of a CR box still
// fills cells 512 to 766, and its reasons begin "TURBO curve (not used by
// this box type): ".
std::vector<UserText> BoxRefusals(const ProjectState& project);

// The cells 0 to 255 as read from the box.
using ReadCells = std::array<int, 256>;

// The parameters as cells 1, 126, 252 and 254 hold them, without any range
// test: the box-type digit is cell 252 mod 10 (negative for a negative
// cell), the curve delay (cell 252 div 10) x 20.
struct CellParameters {
    int boxTypeDigit = 0;
    int curveDelay = 0;
    double startVoltage = 0.0;
    double stopVoltage = 0.0;
    int startDelayMin = 0;
    int startDelaySec = 0;
};
CellParameters DecodeParameters(const ReadCells& cells);

// The curve of the pairs in cells firstCell to lastCell + 1 (input at the
// even cell), added to the straight curve (0, 0), (5, 5). A pair whose input
// is above 250 is empty. Pair 0's voltages (cells 1, 126, 127) read as 0.
CCurve CurveFromCellPairs(ReadCells cells, int firstCell, int lastCell);

// Rebuilds a project from cells read out of a box: box type, input flags,
// curve delay, start and stop voltage, start delay and both curves. Every
// other field of the project stays as it was. Values are taken without range
// tests beyond clamping the start voltage to 0..5 V.
void RebuildFromCells(const ReadCells& cells, ProjectState& project);

// What a write of the rebuilt project would refuse, in the words of
// BoxRefusals, naming the values as the box holds them (a start voltage
// before its clamp, a box-type digit the rebuild cannot take). The TURBO
// pairs count only for a CR&TURBO box, as the rebuild reads them only there.
std::vector<UserText> ReadWarnings(const ReadCells& cells);

// The whole numbers a write sends for the data cells 0 to 254, rounded as
// their frames round them (cell 255 stays 0).
ReadCells SentDataCells(const BoxTable& table);

// What a cell means, for messages: "stop voltage", "CR point at 1.5 V,
// output", "TURBO table at 2.51 V". Curve pairs are named by the input
// voltage the written table holds there.
UserText CellMeaning(int cell, const BoxTable& written);
