#include "PrintLayout.h"

#include "Translate.h"

#include "ProjectState.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Truncation toward zero, as the sheet's integer coordinates are formed. A
// voltage from a damaged file may lie far outside 0 V to 5 V (or be no number
// at all); the bounds keep the conversion defined.
int Trunc(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double bound = 1e7;
    return static_cast<int>(std::trunc(std::clamp(value, -bound, bound)));
}

void AddLine(PrintSheet& sheet, PrintPen pen, QPoint from, QPoint to)
{
    sheet.lines.push_back({ QPolygon({ from, to }), pen });
}

void AddText(PrintSheet& sheet, const QString& text, QPoint at, PrintAlign align, PrintFont font)
{
    sheet.texts.push_back({ text, at, align, font });
}

// The axes end 55 units past the plot with outline arrowheads 35 long and 50 wide.
void AddAxes(PrintSheet& sheet, const PrintRect& r, int w, int h)
{
    const auto page = [&r](int x, int y) { return ToPage(x, y, r); };
    const QPoint origin = page(60, 40);
    const QPoint xTip = page(w + 115, 40);
    const QPoint yTip = page(60, h + 95);
    AddLine(sheet, PrintPen::Axis, origin, xTip);
    sheet.lines.push_back(
        { QPolygon({ xTip, page(w + 80, 15), page(w + 80, 65), xTip }), PrintPen::Axis });
    AddLine(sheet, PrintPen::Axis, origin, yTip);
    sheet.lines.push_back(
        { QPolygon({ yTip, page(85, h + 60), page(35, h + 60), yTip }), PrintPen::Axis });
}

void AddDigits(PrintSheet& sheet, const PrintRect& r, int plotW, int plotH)
{
    AddText(sheet, QStringLiteral("0"), ToPage(58, 35, r) + QPoint(-30, 20), PrintAlign::TopLeft,
        PrintFont::Device);
    for (int i = 1; i <= 5; ++i) {
        const int x = Trunc(plotW / 5.0 * i + 50.0);
        AddText(
            sheet, QString::number(i), ToPage(x, 20, r), PrintAlign::TopCenter, PrintFont::Device);
    }
    for (int i = 0; i <= 5; ++i) {
        const int y = Trunc(plotH / 5 * i + 45.0);
        AddText(sheet, QString::number(i), ToPage(25, y, r) + QPoint(-25, -25),
            PrintAlign::TopRight, PrintFont::Device);
    }
}

void AddGrid(PrintSheet& sheet, const PrintRect& r, int w, int h, int plotW, int plotH)
{
    for (int i = 1; i <= 10; ++i) {
        const int x = Trunc(plotW / 10.0 * i + 60.0);
        AddLine(sheet, PrintPen::Grid, ToPage(x, 40, r), ToPage(x, h - 15, r));
    }
    for (int i = 1; i <= 10; ++i) {
        const int y = Trunc(plotH / 5 * i / 2.0 + 40.0);
        AddLine(sheet, PrintPen::Grid, ToPage(60, y, r), ToPage(w - 15, y, r));
    }
}

} // namespace

QPoint ToPage(int x, int y, const PrintRect& r)
{
    return QPoint(r.left + x, r.bottom - y);
}

void LayOutPrintGraph(
    PrintSheet& sheet, const PrintRect& r, int xRange, float yRange, const ProjectState& project)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top - 100;
    const int plotW = w - 75;
    const int plotH = h - 55;
    if (plotH <= 100 || plotW <= 400 || xRange <= 0 || yRange <= 0.0f)
        return;

    AddAxes(sheet, r, w, h);
    AddDigits(sheet, r, plotW, plotH);
    AddGrid(sheet, r, w, h, plotW, plotH);

    const auto toPage = [&](double input, double output) {
        return ToPage(
            Trunc(plotW * input / xRange + 60.0), Trunc(plotH * output / yRange + 40.0), r);
    };
    AddLine(sheet, PrintPen::Diagonal, toPage(0.0, 0.0), toPage(5.0, 5.0));

    const auto addCurve = [&](const CPunt* head, PrintPen pen) {
        QPolygon points;
        for (const CPunt* p = head; p; p = p->next)
            points << toPage(p->input, p->output);
        if (!points.isEmpty())
            sheet.lines.push_back({ points, pen });
    };
    addCurve(project.crCurve.Head(), PrintPen::Cr);
    if (project.turboEnabled)
        addCurve(project.turboCurve.Head(), PrintPen::Turbo);
}

QString PrintBoxTypeText(const ProjectState& project)
{
    if (project.turboEnabled)
        return QCoreApplication::translate("Print", "CR & TURBO");
    if (project.twoInputs)
        return QCoreApplication::translate("Print", "2 CR input");
    if (project.oneInput)
        return QCoreApplication::translate("Print", "1 CR input");
    return QString();
}

void LayOutPrintHeading(PrintSheet& sheet, const ProjectState& project)
{
    const QString title = Tr(project.CaptionText());
    AddText(sheet, title, QPoint(150, 200), PrintAlign::TopLeft, PrintFont::Large);

    const auto row = [&sheet](int y, const QString& text) {
        AddText(sheet, text, QPoint(175, y), PrintAlign::TopLeft, PrintFont::Medium);
    };
    row(3885, PrintBoxTypeText(project));
    row(4035,
        QCoreApplication::translate("Print", "Start Voltage [V] :   %1")
            .arg(QLocale().toString(project.startVoltage, 'f', 1)));
    row(4185,
        QCoreApplication::translate("Print", "Start Delay [mm:ss] :   %1:%2")
            .arg(QString::number(project.startDelayMin), QString::number(project.startDelaySec)));
    row(4335,
        QCoreApplication::translate("Print", "Curve Delay [ms/0.1V] :   %1")
            .arg(QString::number(project.curveDelay)));
}

PrintSheet LayOutPrintSheet(const ProjectState& project, const QString& note)
{
    PrintSheet sheet;
    LayOutPrintGraph(sheet, kPrintGraphRect, 5, 5.0f, project);
    LayOutPrintHeading(sheet, project);
    int down = 0;
    if (!note.isEmpty()) {
        const QStringList lines = note.split(QLatin1Char('\n'));
        int y = kPrintNoteY;
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                const int step = i == 1 ? kPrintNoteFirstPitch : kPrintNotePitch;
                y += step;
                down += step;
            }
            AddText(sheet, lines[i], QPoint(175, y), PrintAlign::TopLeft,
                i == 0 ? PrintFont::Medium : PrintFont::Small);
        }
    }
    LayOutPrintTables(sheet, project, down);
    return sheet;
}
