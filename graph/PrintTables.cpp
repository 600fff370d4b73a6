#include "PrintLayout.h"

#include "ProjectState.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

constexpr int kTableLeft = 175;
constexpr int kColumnPitch = 1000;
constexpr int kDifferenceOffset = 350; // "Vdif" stands this far right of "Vin"
constexpr int kTitleRow = 4585;
constexpr int kHeaderRow = 4735;
constexpr int kFirstDataRow = 4885;
constexpr int kRowPitch = 100;
constexpr int kFirstColumnRows = 21;
constexpr int kFurtherColumnRows = 20;

void AddSmallText(PrintSheet& sheet, const QString& text, int x, int y)
{
    sheet.texts.push_back({ text, QPoint(x, y), PrintAlign::TopLeft, PrintFont::Small });
}

void AddHeader(PrintSheet& sheet, int column, int down)
{
    const int x = kTableLeft + kColumnPitch * column;
    AddSmallText(sheet, QCoreApplication::translate("Print", "Vin"), x, kHeaderRow + down);
    AddSmallText(sheet, QCoreApplication::translate("Print", "Vdif"), x + kDifferenceOffset,
        kHeaderRow + down);
}

// Two decimals in the locale's way. A difference that rounds to zero from
// below prints as "0.00", not "-0.00": the voltage steps leave tiny binary
// remainders.
QString Volts(double value)
{
    const QLocale locale;
    const QString zero = locale.toString(0.0, 'f', 2);
    const QString text = locale.toString(value, 'f', 2);
    return text == locale.negativeSign() + zero ? zero : text;
}

// Writes one curve's table from the given column on; returns the last column used.
int AddCurveTable(PrintSheet& sheet, const CPunt* head, int column, int down)
{
    AddHeader(sheet, column, down);
    int y = kFirstDataRow + down;
    int rowsInColumn = 0;
    int columnCapacity = kFirstColumnRows;
    for (const CPunt* p = head; p; p = p->next) {
        if (rowsInColumn == columnCapacity) {
            ++column;
            rowsInColumn = 0;
            columnCapacity = kFurtherColumnRows;
            AddHeader(sheet, column, down);
            y = kFirstDataRow + down;
        }
        const int x = kTableLeft + kColumnPitch * column;
        AddSmallText(sheet, Volts(p->input), x, y);
        AddSmallText(sheet, Volts(p->output - p->input), x + kDifferenceOffset, y);
        y += kRowPitch;
        ++rowsInColumn;
    }
    return column;
}

} // namespace

void LayOutPrintTables(PrintSheet& sheet, const ProjectState& project, int down)
{
    AddSmallText(
        sheet, QCoreApplication::translate("Print", "CR-curve"), kTableLeft + 60, kTitleRow + down);
    int column = AddCurveTable(sheet, project.crCurve.Head(), 0, down);
    if (!project.turboEnabled)
        return;
    ++column;
    AddSmallText(sheet, QCoreApplication::translate("Print", "TURBO-curve"),
        kTableLeft + kColumnPitch * column, kTitleRow + down);
    AddCurveTable(sheet, project.turboCurve.Head(), column, down);
}
