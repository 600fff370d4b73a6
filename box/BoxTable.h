#pragma once

#include <ProjectState.h>
#include <Punt.h>

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
constexpr int kIdentificationCell = 255;
constexpr int kBoxTypeCell = 252;
constexpr int kStartDelayCell = 254;
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
std::vector<std::string> BoxRefusals(const ProjectState& project);

// The cells 0 to 255 as read from the box.
using ReadCells = std::array<int, 256>;

// Rebuilds a project from cells read out of a box: box type, input flags,
// curve delay, start and stop voltage, start delay and both curves. Every
// other field of the project stays as it was. Values are taken without range
// tests beyond clamping the start voltage to 0..5 V.
void RebuildFromCells(ReadCells cells, ProjectState& project);
