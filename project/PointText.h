#pragma once

#include "Curve.h"
#include "UserText.h"

#include <string>
#include <string_view>
#include <vector>

// Points as text, for the clipboard and ramvik-cli: what Copy writes, and
// what Paste and set-points read. Spreadsheets paste the copy into two
// columns, and what they copy back reads again.

// The first line of the copy. The copy is data, like the project file: its
// words stay English in every language, so the window's copy and the tool's
// output are the same text.
constexpr const char* kPointsTextHeader = "Input (V)\tOutput (V)";

// The header line, then one line "input<TAB>output" for each point, in volts
// with two decimals and a point as the decimal separator; lines end in LF.
std::string WritePointsText(const CCurve& curve);
// The same for the points at these inputs only (each as the curve stores it;
// an input the curve does not hold is passed over).
std::string WritePointsText(const CCurve& curve, const std::vector<double>& inputs);

// A point with the values a user gave for it (a paste, a text file, another
// project), and the line of the text it stands on, or 0.
struct GivenPoint {
    double input = 0.0;
    double output = 0.0;
    int line = 0;
};

// What the paste reader made of a text.
struct PointsReading {
    // One number a line, or an input and an output a line.
    enum class Shape { Column, Pairs };
    Shape shape = Shape::Column;
    // In the order of the text. A column's numbers are in output (input 0).
    std::vector<GivenPoint> points;
    // Not empty: the text cannot be read, and why (the line and its text);
    // points is empty then.
    UserText refusal;
};

// Reads pasted text. Takes LF, CR LF and CR line ends; blank lines; a first
// line that is no numbers (a header: it holds a letter or another sign no
// number has); between the columns a tab, a semicolon or a run of blanks;
// numbers with a decimal point or a decimal comma. A comma separates the
// columns only where no line has a tab or a semicolon and the numbers use
// decimal points ("1.50,2.00"); otherwise it is a decimal comma ("1,50;2,00",
// "1,50<TAB>2,00", "1,5"). Every line must hold as many numbers as the first
// one, one or two. Anything else is refused with its line number and text.
PointsReading ReadPointsText(std::string_view text);
