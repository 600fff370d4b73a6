#include "Graph.h"

#include "GraphPaintCache.h"
#include "GraphStyle.h"

#include <ProjectState.h>
#include <Punt.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

// The box's curves over the project's: dotted and two pixels wide, in colours
// of their own, so they stay visible where they lie on the project's line,
// on the axis (a difference of 0 V) and on every zone colour of the
// Difference view: neither blue nor red like the project's curves, nor
// green, yellow or orange like the zones.

namespace {
constexpr int kLegendLine = 30; // pixels of line before the legend text
constexpr int kBoxMarker = 2; // half the side of the box's square markers

QPen OverlayPen(const QColor& colour, Qt::PenStyle style)
{
    QPen pen(colour, 2, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Dots for the box's CR curve, dashes for its TURBO curve, which is drawn
// first: where the two lie on each other, the CR dots show on the dashes.
const QPen kBoxCr = OverlayPen(QColor(220, 0, 220), Qt::DotLine);
const QPen kBoxTurbo = OverlayPen(Qt::black, Qt::DashLine);
// Another project file: dash-dotted, teal for CR and brown for TURBO, so a
// file's curves never look like a box's, in colour or in grey.
const QPen kFileCr = OverlayPen(QColor(0, 140, 140), Qt::DashDotLine);
const QPen kFileTurbo = OverlayPen(QColor(130, 70, 0), Qt::DashDotDotLine);
// The longest file name the legend shows whole, characters.
constexpr int kLegendNameLength = 28;

// Open squares mark the box's points, unlike the project's round markers.
void BoxMarker(QPainter& painter, QPoint at, const QColor& colour)
{
    painter.setPen(QPen(colour, 1));
    painter.drawRect(at.x() - kBoxMarker, at.y() - kBoxMarker, 2 * kBoxMarker, 2 * kBoxMarker);
}
} // namespace

void CGraph::SetOverlay(const ProjectState* other, const QString& fileName)
{
    overlay = other;
    overlayFile = other ? fileName : QString();
    RequestRepaint();
}

void CGraph::RemoveOverlay(const ProjectState* other)
{
    if (other && overlay == other)
        SetOverlay(nullptr);
}

void CGraph::DrawOverlayCurve(
    QPainter& painter, const CPunt* head, const QPen& line, bool difference)
{
    if (!head)
        return;
    painter.setPen(line);
    const auto position = [&](const CPunt* p) {
        const double vertical = difference ? p->input - p->output : p->output;
        return QPoint(VoltsToX(p->input), VoltsToY(vertical));
    };
    QPolygon points;
    for (const CPunt* p = head; p; p = p->next)
        points << position(p);
    painter.drawPolyline(points);
    for (const QPoint& at : points)
        BoxMarker(painter, at, line.color());
}

// Runs under the curves' clip.
void CGraph::DrawOverlay(QPainter& painter, bool difference)
{
    if (!overlay)
        return;
    const bool file = !overlayFile.isEmpty();
    if (overlay->turboEnabled)
        DrawOverlayCurve(
            painter, overlay->turboCurve.Head(), file ? kFileTurbo : kBoxTurbo, difference);
    DrawOverlayCurve(painter, overlay->crCurve.Head(), file ? kFileCr : kBoxCr, difference);
}

// Names the curves drawn: the project's, as they are shown, then the box's.
// In the Input-Output view it stands in the plot's upper left corner, where no
// curve goes (an output lies at most 1.6 V above its input); in the
// Difference view, whose plot may be low, in the top margin's right corner,
// above the title. Either way clear of the read-out and the axis labels.
void CGraph::DrawOverlayLegend(QPainter& painter, bool difference)
{
    if (!overlay)
        return;
    struct Row {
        QPen line;
        bool project;
        QString text;
    };
    std::vector<Row> rows;
    if (project->showCr || EditingCr())
        rows.push_back({ QPen(GraphStyle::kCrColour, 1), true,
            QCoreApplication::translate("Graph", "Project CR") });
    if (project->turboEnabled && project->showTurbo)
        rows.push_back({ QPen(GraphStyle::kTurboColour, 1), true,
            QCoreApplication::translate("Graph", "Project TURBO") });
    if (overlayFile.isEmpty()) {
        rows.push_back({ kBoxCr, false, QCoreApplication::translate("Graph", "Box CR") });
        if (overlay->turboEnabled)
            rows.push_back({ kBoxTurbo, false, QCoreApplication::translate("Graph", "Box TURBO") });
    } else {
        const QString name = overlayFile.length() > kLegendNameLength
            ? overlayFile.left(kLegendNameLength - 1) + QChar(0x2026)
            : overlayFile;
        rows.push_back(
            { kFileCr, false, QCoreApplication::translate("Graph", "CR of %1").arg(name) });
        if (overlay->turboEnabled)
            rows.push_back({ kFileTurbo, false,
                QCoreApplication::translate("Graph", "TURBO of %1").arg(name) });
    }

    const QFont& font = GraphStyle::LegendFont();
    int textWidth = 0;
    for (const Row& row : rows)
        textWidth = std::max(textWidth, paintCache->TextWidth(font, row.text));
    const int rowHeight = QFontMetrics(font).height() + 2;
    const int width = 6 + kLegendLine + 6 + textWidth + 6;
    const int height = int(rows.size()) * rowHeight + 6;
    const GraphRect plot = PlotArea();
    const QPoint corner = difference ? QPoint(frame.right - 6 - width, frame.top + 6)
                                     : QPoint(plot.left + 6, plot.top + 6);
    const QRect legend(corner, QSize(width, height));

    painter.fillRect(legend, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(legend);
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& row = rows[i];
        const int top = legend.top() + 3 + i * rowHeight;
        const int y = top + rowHeight / 2;
        const QPoint middle(legend.left() + 6 + kLegendLine / 2, y);
        painter.setPen(row.line);
        painter.drawLine(legend.left() + 6, y, legend.left() + 6 + kLegendLine, y);
        if (row.project)
            paintCache->DrawMarker(painter, middle, kMarkerRadius, row.line.color());
        else
            BoxMarker(painter, middle, row.line.color());
        paintCache->DrawText(painter, font, legend.left() + 6 + kLegendLine + 6, top + 1, row.text);
    }
}
