#include "Graph.h"

#include <ProjectState.h>
#include <Punt.h>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

// The box's curves over the project's: dotted and two pixels wide, in colours
// of their own, so they stay visible where they lie on the project's line.

namespace {
const QColor kBoxCr(0, 150, 255);
const QColor kBoxTurbo(110, 110, 110);
constexpr int kLegendLine = 30; // pixels of dotted line before the legend text

QPen OverlayPen(const QColor& colour)
{
    QPen pen(colour, 2, Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}
} // namespace

void CGraph::SetOverlay(const ProjectState* box)
{
    overlay = box;
    RequestRepaint();
}

void CGraph::DrawOverlayCurve(
    QPainter& painter, const CPunt* head, const QColor& colour, bool difference)
{
    if (!head)
        return;
    painter.setPen(OverlayPen(colour));
    const auto position = [&](const CPunt* p) {
        const double vertical = difference ? p->input - p->output : p->output;
        return QPoint(VoltsToX(p->input), VoltsToY(vertical));
    };
    QPolygon line;
    for (const CPunt* p = head; p; p = p->next)
        line << position(p);
    painter.drawPolyline(line);
    // Open squares mark the box's points, unlike the project's round markers.
    painter.setPen(QPen(colour, 1));
    for (const QPoint& at : line)
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
    DrawOverlayCurve(painter, overlay->crCurve, kBoxCr, difference);
    if (overlay->turboEnabled)
        DrawOverlayCurve(painter, overlay->turboCurve, kBoxTurbo, difference);

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
    const auto row = [&](int index, const QColor& colour, const QString& text) {
        const int y = legend.top() + 3 + index * rowHeight + rowHeight / 2;
        painter.setPen(OverlayPen(colour));
        painter.drawLine(legend.left() + 6, y, legend.left() + 6 + kLegendLine, y);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawText(legend.left() + kLegendLine + 12, y + metrics.ascent() / 2 - 1, text);
    };
    row(0, kBoxCr, box);
    if (overlay->turboEnabled)
        row(1, kBoxTurbo, turbo);
    painter.restore();
}
