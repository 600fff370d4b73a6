#include "Graph.h"

#include "GraphPaintCache.h"
#include "ProjectState.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

#include <algorithm>
#include <vector>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGrey(127, 127, 127);
const QColor kGreenPen(0, 220, 0);
const QColor kGreenBrush(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kOrange(255, 182, 67);

// Highest vertical value drawn in the Difference view; the band above it
// stays blank.
constexpr double kDifferenceTop = 1.6;
// More ticks than this on one axis would be unreadable; a tiny step stops
// there instead of looping for ever.
constexpr int kMaxTicks = 1000;

// The text fonts are asked for by the height of their character cell (ascent
// plus descent), as the Windows font call sizes them, so text takes the same
// room on every system: the largest pixel size whose cell still fits.
QFont CellFont(const QString& family, QFont::StyleHint hint, int cellHeight, QFont::Weight weight)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setWeight(weight);
    for (int size = cellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
    return font;
}

// Created once: the fonts never change while the program runs.
const QFont& LabelFont()
{
    static const QFont font
        = CellFont(QStringLiteral("Courier New"), QFont::TypeWriter, 15, QFont::Normal);
    return font;
}

const QFont& TitleFont()
{
    static const QFont font = CellFont(QStringLiteral("arial"), QFont::SansSerif, 20, QFont::Black);
    return font;
}

// A one-pixel line, both end points included. Lines along the axes are filled
// as rectangles, which is many times faster than stroking them pixel by pixel.
void Edge(QPainter& painter, QPoint a, QPoint b, const QColor& colour)
{
    if (a.x() == b.x() || a.y() == b.y()) {
        painter.fillRect(QRect(a, b).normalized(), colour);
        return;
    }
    painter.setPen(QPen(colour, 1));
    painter.drawLine(a, b);
}

// The outline through the corners, closed back to the first.
void Outline(QPainter& painter, const QPolygon& corners, const QColor& colour)
{
    for (int i = 0; i < corners.size(); ++i)
        Edge(painter, corners[i], corners[(i + 1) % corners.size()], colour);
}

using Align = CGraphPaintCache::Align;

} // namespace

QColor CGraph::FaceColour()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

void CGraph::Draw(QPainter& painter, const QColor& face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    ApplyViewGeometry(InputOutputView());
    UpdateHover();
    Outline(painter,
        QPolygon({ { frame.left, frame.top }, { frame.left, frame.bottom },
            { frame.right, frame.bottom }, { frame.right, frame.top } }),
        kWhite);

    if (InputOutputView())
        DrawInputOutputView(painter);
    else
        DrawDifferenceView(painter, face);
    painter.restore();
}

void CGraph::DrawPlotBorder(QPainter& painter)
{
    const GraphRect plot = PlotArea();
    Outline(painter,
        QPolygon({ { plot.right, plot.bottom }, { plot.left, plot.bottom }, { plot.left, plot.top },
            { plot.right, plot.top } }),
        kBlack);
}

void CGraph::DrawInputOutputView(QPainter& painter)
{
    ApplyViewGeometry(true);
    DrawPlotBorder(painter);

    DrawHorizontalTicks(painter);
    DrawVerticalTicks(painter, range.yMax, "%0.1f");
    paintCache->DrawText(
        painter, LabelFont(), frame.right - 10, frame.top + 8, ReadOutText(), Align::Right);
    // In the plot's lower right corner, where no curve can go (an output lies
    // at most 1.6 V below its input), clear of the tick labels.
    const GraphRect plot = PlotArea();
    paintCache->DrawText(painter, LabelFont(), plot.right - 2, plot.bottom - 17,
        QStringLiteral("V[In]"), Align::Right);
    paintCache->DrawText(
        painter, LabelFont(), frame.left + 10, frame.top + 8, QStringLiteral("V[Out]"));

    Edge(
        painter, QPoint(VoltsToX(0.0), VoltsToY(0.0)), QPoint(VoltsToX(5.0), VoltsToY(5.0)), kGrey);

    paintCache->DrawText(painter, TitleFont(), (frame.left + frame.right) / 2, frame.top + 8,
        QStringLiteral("Input - Output"), Align::Centre);
    DrawCurves(painter, false);
}

void CGraph::DrawDifferenceView(QPainter& painter, const QColor& face)
{
    ApplyViewGeometry(false);
    DrawPlotBorder(painter);

    // Zones of the difference: red where the output would be negative, then
    // green, yellow and orange as the difference grows.
    DrawZone(
        painter, kOrange, kOrange, { { 0.75, 0.75 }, { 1.6, 1.6 }, { 5.0, 1.6 }, { 5.0, 0.75 } });
    DrawZone(painter, kYellow, kYellow,
        { { 0.75, 0.75 }, { 5.0, 0.75 }, { 5.0, 0.55 }, { 0.55, 0.55 } });
    DrawZone(painter, kGreenBrush, kGreenPen,
        { { 0.55, 0.55 }, { 5.0, 0.55 }, { 5.0, 0.0 }, { 0.0, 0.0 } });
    DrawZone(painter, kRed, kRed, { { 0.0, 0.0 }, { 0.0, 1.6 }, { 1.6, 1.6 } });

    DrawHorizontalTicks(painter);
    // The blank band above 1.6 V covers the grid and the border there.
    DrawZone(painter, face, face, { { 0.0, 1.6 }, { 0.0, 2.0 }, { 5.0, 2.0 }, { 5.0, 1.6 } });

    const QImage& picture = Logo();
    if (!picture.isNull())
        painter.drawImage(QPoint(110, 20), picture);

    if (cursorY > kDifferenceTop)
        cursorY = kDifferenceTop;
    paintCache->DrawText(
        painter, LabelFont(), frame.right - 10, frame.top + 168, ReadOutText(), Align::Right);
    // Below the tick labels, inside the frame.
    paintCache->DrawText(painter, LabelFont(), frame.right - 2, PlotArea().bottom + 26,
        QStringLiteral("V[In]"), Align::Right);
    paintCache->DrawText(
        painter, LabelFont(), frame.left + 10, frame.top + 168, QStringLiteral("V[Diff]"));
    paintCache->DrawText(painter, TitleFont(), (frame.left + frame.right) / 2, frame.top + 100,
        QStringLiteral("Difference"), Align::Centre);
    DrawVerticalTicks(painter, kDifferenceTop, "%0.2f");
    DrawCurves(painter, true);
}

void CGraph::DrawHorizontalTicks(QPainter& painter)
{
    if (!(xStep > 0.0))
        return;
    const GraphRect plot = PlotArea();
    for (int i = 0; i <= kMaxTicks && range.xMin + i * xStep <= range.xMax; ++i) {
        const int x = TickX(i);
        const QString label = QString::asprintf("%0.1f", range.xMin + i * xStep) + xUnit;
        // The last label ends inside the frame instead of past the window.
        const int width = QFontMetrics(LabelFont()).horizontalAdvance(label);
        paintCache->DrawText(painter, LabelFont(), std::min(x - 10, frame.right - 2 - width),
            plot.bottom + 9, label);
        if (i > 0)
            Edge(painter, QPoint(x, plot.bottom), QPoint(x, plot.top), kGrey);
    }
}

void CGraph::DrawVerticalTicks(QPainter& painter, double top, const char* format)
{
    if (!(yStep > 0.0))
        return;
    const GraphRect plot = PlotArea();
    for (int j = 0; j <= kMaxTicks && range.yMin + j * yStep <= top; ++j) {
        const int y = TickY(j);
        paintCache->DrawText(painter, LabelFont(), plot.left - 40, y - 8,
            QString::asprintf(format, range.yMin + j * yStep) + yUnit);
        if (j > 0)
            Edge(painter, QPoint(plot.left, y), QPoint(plot.right, y), kGrey);
    }
}

QString CGraph::ReadOutText() const
{
    const double second = InputOutputView() ? cursorY - cursorX : cursorY;
    return QString::asprintf("V[in]:%4.2f", cursorX) + xUnit
        + QString::asprintf(" V[diff]:%4.2f", second) + xUnit;
}

void CGraph::DrawZone(QPainter& painter, const QColor& brush, const QColor& pen,
    std::initializer_list<std::pair<double, double>> corners)
{
    QPolygon polygon;
    for (const auto& [input, vertical] : corners)
        polygon << QPoint(VoltsToX(input), VoltsToY(vertical));
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPolygon(polygon);
    painter.setBrush(Qt::NoBrush);
    Outline(painter, polygon, pen);
}

void CGraph::DrawCurves(QPainter& painter, bool difference)
{
    SelectedPoint(); // forgets a selection whose point no longer exists
    const bool editCr = EditingCr();
    // The edited CR curve is drawn last with all its markers, which covers
    // every pixel a first pass would draw; that pass is left out.
    if (project->showCr && !editCr)
        DrawCurve(painter, project->crCurve, kBlue, false, difference);
    if (project->turboEnabled && project->showTurbo)
        DrawCurve(painter, project->turboCurve, kRed, !editCr, difference);
    // The edited CR curve lies on top of the TURBO curve.
    if (editCr)
        DrawCurve(painter, project->crCurve, kBlue, true, difference);
    DrawOverlay(painter, difference);
}

// Draws one curve: a line through its points, a marker on the first point and,
// if markAll, on every other one. The selected point gets the larger marker.
void CGraph::DrawCurve(
    QPainter& painter, const CPunt* head, const QColor& colour, bool markAll, bool difference)
{
    if (!head)
        return;
    painter.setPen(QPen(colour, 1));
    const auto position = [&](const CPunt* p) {
        const double vertical = difference ? p->input - p->output : p->output;
        return QPoint(VoltsToX(p->input), VoltsToY(vertical));
    };
    const auto marker = [&](const CPunt* p, QPoint at) {
        const int radius = p == selected ? 4 : 3;
        paintCache->DrawMarker(painter, at, radius, colour);
    };
    QPoint previous = position(head);
    marker(head, previous);
    for (const CPunt* p = head->next; p; p = p->next) {
        const QPoint at = position(p);
        painter.drawLine(previous, at);
        if (markAll)
            marker(p, at);
        previous = at;
    }
}
