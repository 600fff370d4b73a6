#pragma once

#include <QPoint>
#include <QPolygon>
#include <QString>

#include <vector>

struct ProjectState;

// The printed project sheet as a list of lines and text items. Positions are
// in sheet units of 1/600 inch on every device: origin at the top-left corner
// of the printable area, x to the right, y downwards. Building the list needs
// no paint device, so the layout can be checked item by item; Print.h draws it.

// A rectangle given by its four edges, all inclusive sheet coordinates.
struct PrintRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Where the graph of the sheet stands.
constexpr PrintRect kPrintGraphRect { 175, 500, 4000, 3375 };

enum class PrintPen { Axis, Grid, Diagonal, Cr, Turbo };

// Device: the paint device's default font, used for the graph's digits.
// Small, Medium, Large: "Arial" with cell heights of 90, 120 and 200 units.
enum class PrintFont { Device, Small, Medium, Large };

// Which point of the text's top edge the anchor names.
enum class PrintAlign { TopLeft, TopCenter, TopRight };

struct PrintPolyline {
    QPolygon points;
    PrintPen pen;
};

struct PrintText {
    QString text;
    QPoint anchor;
    PrintAlign align;
    PrintFont font;
};

struct PrintSheet {
    std::vector<PrintPolyline> lines;
    std::vector<PrintText> texts;
};

// The page point of a graph-local point: graph-local coordinates start at
// R's bottom-left corner with y upwards.
QPoint ToPage(int x, int y, const PrintRect& r);

// The graph drawn into R: axes with outline arrowheads, digits, dotted grid,
// the output = input diagonal, the CR curve and, when the project has one,
// the TURBO curve. Ranges in volts. Adds nothing when R is too small.
void LayOutPrintGraph(
    PrintSheet& sheet, const PrintRect& r, int xRange, float yRange, const ProjectState& project);

// Title and parameter block.
void LayOutPrintHeading(PrintSheet& sheet, const ProjectState& project);

// The value tables: input and output - input of every point, 21 rows in a
// curve's first column and 20 in each further one; the TURBO table follows the
// CR table in the next column when the project has a TURBO curve. down moves
// them further down the sheet, in sheet units.
void LayOutPrintTables(PrintSheet& sheet, const ProjectState& project, int down = 0);

// The whole sheet: graph, title, parameters and tables. A note (such as when
// and how a project from the write history was written) goes under the
// parameters, its first line as they are, each further line ("\n" breaks
// them) smaller below it, and the tables move down to make room; an empty
// note adds nothing.
PrintSheet LayOutPrintSheet(const ProjectState& project, const QString& note = QString());

// Where the note's first line starts on the sheet, and how far each further
// line stands below the one before.
constexpr int kPrintNoteY = 4485;
constexpr int kPrintNoteFirstPitch = 130;
constexpr int kPrintNotePitch = 110;

// The box type as the sheet names it, from the input flags: empty when no
// flag is set.
QString PrintBoxTypeText(const ProjectState& project);
