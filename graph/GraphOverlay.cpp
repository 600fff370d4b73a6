#include "Graph.h"

#include <ProjectState.h>
#include <Punt.h>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

// The box's curves over the project's: dotted and two pixels wide, in colours
// of their own, so they stay visible where they lie on the project's line,
// on the axis (a difference of 0 V) and on every zone colour of the
// Difference view: neither blue nor red like the project's curves, nor
// green, yellow or orange like the zones.

namespace {
constexpr int kLegendLine = 30; // pixels of line before the legend text

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
} // namespace

void CGraph::SetOverlay(const ProjectState* box)
{
    overlay = box;
    RequestRepaint();
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
    // Open squares mark the box's points, unlike the project's round markers.
    painter.setPen(QPen(line.color(), 1));
    for (const QPoint& at : points)
        painter.drawRect(at.x() - 2, at.y() - 2, 4, 4);
}

void CGraph::DrawOverlay(QPainter& painter, bool difference)
{
    if (!overlay)
        return;
    painter.save();
    // The project's curves may leave the plot area (a difference below
    // zero); so may the box's, but not the frame.
    painter.setClipRect(QRect(QPoint(frame.left, frame.top), QPoint(frame.right, frame.bottom)));
    if (overlay->turboEnabled)
        DrawOverlayCurve(painter, overlay->turboCurve, kBoxTurbo, difference);
    DrawOverlayCurve(painter, overlay->crCurve, kBoxCr, difference);

    // The legend at the top of the plot area, centred, on a white ground:
    // clear of the read-out and the axis labels in both views.
    const GraphRect plot = PlotArea();
    QFont font(QStringLiteral("arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    painter.setFont(font);
    const QString box = QStringLiteral("Box");
    const QString turbo = QStringLiteral("Box TURBO");
    const QFontMetrics metrics(painter.font());
    const int rows = overlay->turboEnabled ? 2 : 1;
    const int rowHeight = metrics.height() + 2;
    const int width = kLegendLine + 8 + metrics.horizontalAdvance(turbo) + 8;
    const QRect legend(
        (plot.left + plot.right - width) / 2, plot.top + 6, width, rows * rowHeight + 6);
    painter.setClipping(false);
    painter.fillRect(legend, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(legend);
    const auto row = [&](int index, const QPen& line, const QString& text) {
        const int y = legend.top() + 3 + index * rowHeight + rowHeight / 2;
        painter.setPen(line);
        painter.drawLine(legend.left() + 6, y, legend.left() + 6 + kLegendLine, y);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawText(legend.left() + kLegendLine + 12, y + metrics.ascent() / 2 - 1, text);
    };
    row(0, kBoxCr, box);
    if (overlay->turboEnabled)
        row(1, kBoxTurbo, turbo);
    painter.restore();
}
