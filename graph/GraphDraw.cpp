#include "Graph.h"

#include "GraphPaintCache.h"
#include "GraphStyle.h"
#include "ProjectState.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

#include <algorithm>
#include <vector>

namespace {

using GraphStyle::LabelFont;
using GraphStyle::LegendFont;
using GraphStyle::TitleFont;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(127, 127, 127);
const QColor kRed(255, 0, 0);
const QColor kGreenPen(0, 220, 0);
const QColor kGreenBrush(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kOrange(255, 182, 67);
// The zones' hatching: darkens whatever colour lies under it.
const QColor kHatch(0, 0, 0, 72);

// The zones of the Difference view by input - output, volts: green up to the
// first, yellow up to the second, orange up to the highest vertical value
// drawn, above which the band stays blank.
constexpr double kGreenTop = 0.55;
constexpr double kYellowTop = 0.75;
constexpr double kDifferenceTop = 1.6;
// Pixels kept free on either side of the Input-Output view's title.
constexpr int kTitleGap = 8;
// The rectangle selection's inside: a light tint that leaves the curves and
// the grid under it readable.
const QColor kBandTint(0, 120, 215, 40);

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

// Each zone's hatching over its colour, so the zones tell apart without
// colour too (a colour-blind eye, a grey printout): none for green, lines
// one way for yellow, the other way for orange, both ways for red.
Qt::BrushStyle ZoneHatch(const QColor& zone)
{
    if (zone == kYellow)
        return Qt::BDiagPattern;
    if (zone == kOrange)
        return Qt::FDiagPattern;
    if (zone == kRed)
        return Qt::DiagCrossPattern;
    return Qt::NoBrush;
}

// A value with its unit, as the tick labels and the read-out show it: the
// format's digits with the locale's decimal separator and minus sign.
QString WithUnit(const char* format, double value, const QString& unit)
{
    const QLocale locale;
    QString number = QString::asprintf(format, value);
    number.replace(QLatin1Char('.'), locale.decimalPoint());
    number.replace(QLatin1Char('-'), locale.negativeSign());
    return number + unit;
}

} // namespace

const QFont& GraphStyle::LabelFont()
{
    static const QFont font
        = CellFont(QStringLiteral("Courier New"), QFont::TypeWriter, 15, QFont::Normal);
    return font;
}

const QFont& GraphStyle::TitleFont()
{
    static const QFont font = CellFont(QStringLiteral("arial"), QFont::SansSerif, 20, QFont::Black);
    return font;
}

const QFont& GraphStyle::LegendFont()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(12);
        return f;
    }();
    return font;
}

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
    PruneSelection();
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
    DrawVerticalTicks(painter, range.yMax, TicksY(range.yMax).step < 0.1 ? "%0.2f" : "%0.1f");
    paintCache->DrawText(
        painter, LabelFont(), frame.right - 10, frame.top + 8, ReadOutText(), Align::Right);
    // In the plot's lower right corner, where no curve can go (an output lies
    // at most 1.6 V below its input), clear of the tick labels.
    const GraphRect plot = PlotArea();
    paintCache->DrawText(painter, LabelFont(), plot.right - 2, plot.bottom - 17,
        QCoreApplication::translate("Graph", "V[In]"), Align::Right);
    const QString outputLabel = QCoreApplication::translate("Graph", "V[Out]");
    paintCache->DrawText(painter, LabelFont(), frame.left + 10, frame.top + 8, outputLabel);

    painter.save();
    ClipToPlotWhileZoomed(painter, false);
    Edge(
        painter, QPoint(VoltsToX(0.0), VoltsToY(0.0)), QPoint(VoltsToX(5.0), VoltsToY(5.0)), kGrey);
    painter.restore();

    DrawCurves(painter, false);

    // The title shares the top line with the axis label and the read-out:
    // centred on the frame where that leaves them clear, else centred between
    // them, and left out where it does not fit between them. The read-out's
    // widest text counts, so the title does not move with the pointer.
    const QString title = QCoreApplication::translate("Graph", "Input - Output");
    const int titleWidth = paintCache->TextWidth(TitleFont(), title);
    const int gapLeft
        = frame.left + 10 + paintCache->TextWidth(LabelFont(), outputLabel) + kTitleGap;
    const int gapRight
        = frame.right - 10 - paintCache->TextWidth(LabelFont(), ReadOutText(5.0, -5.0)) - kTitleGap;
    int centre = (frame.left + frame.right) / 2;
    if (centre - titleWidth / 2 < gapLeft || centre + titleWidth - titleWidth / 2 > gapRight)
        centre = (gapLeft + gapRight) / 2;
    // After the curves: a marker on the top border reaches into its cell.
    if (titleWidth <= gapRight - gapLeft)
        paintCache->DrawText(painter, TitleFont(), centre, frame.top + 8, title, Align::Centre);
    DrawOverlayLegend(painter, false);
}

void CGraph::DrawDifferenceView(QPainter& painter, const QColor& face)
{
    ApplyViewGeometry(false);
    DrawPlotBorder(painter);

    // Zones of the difference: red where the output would be negative, then
    // green, yellow and orange as the difference grows. Zoomed, they stay off
    // the border, which they would otherwise cross.
    painter.save();
    ClipToPlotWhileZoomed(painter, true);
    DrawZone(painter, kOrange, kOrange,
        { { kYellowTop, kYellowTop }, { kDifferenceTop, kDifferenceTop }, { 5.0, kDifferenceTop },
            { 5.0, kYellowTop } });
    DrawZone(painter, kYellow, kYellow,
        { { kYellowTop, kYellowTop }, { 5.0, kYellowTop }, { 5.0, kGreenTop },
            { kGreenTop, kGreenTop } });
    DrawZone(painter, kGreenBrush, kGreenPen,
        { { kGreenTop, kGreenTop }, { 5.0, kGreenTop }, { 5.0, 0.0 }, { 0.0, 0.0 } });
    DrawZone(painter, kRed, kRed,
        { { 0.0, 0.0 }, { 0.0, kDifferenceTop }, { kDifferenceTop, kDifferenceTop } });
    painter.restore();

    DrawHorizontalTicks(painter);
    // The blank band above 1.6 V covers the grid and the border there.
    painter.save();
    ClipToPlotWhileZoomed(painter, false);
    DrawZone(painter, face, face,
        { { 0.0, kDifferenceTop }, { 0.0, 2.0 }, { 5.0, 2.0 }, { 5.0, kDifferenceTop } });
    painter.restore();

    // The logo in the top margin, smaller where a short frame shrank it.
    const GraphRect plot = PlotArea();
    const QImage& picture = Logo();
    int logoRight = frame.left;
    if (!picture.isNull()) {
        QSize drawn = picture.size();
        const int room = marginTop - 10;
        if (drawn.height() > room)
            drawn = drawn.scaled(drawn.width(), room, Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint(frame.left, frame.top + 10), drawn), picture);
        logoRight = frame.left + drawn.width();
    }

    if (cursorY > kDifferenceTop)
        cursorY = kDifferenceTop;
    // Read-out and axis label 18 pixels into the plot, the title 50 above it
    // (the frame's top + 168 and + 100 with the full margin).
    paintCache->DrawText(
        painter, LabelFont(), frame.right - 10, plot.top + 18, ReadOutText(), Align::Right);
    // Below the tick labels, inside the frame.
    paintCache->DrawText(painter, LabelFont(), frame.right - 2, PlotArea().bottom + 26,
        QCoreApplication::translate("Graph", "V[In]"), Align::Right);
    paintCache->DrawText(painter, LabelFont(), frame.left + 10, plot.top + 18,
        QCoreApplication::translate("Graph", "V[Diff]"));
    // Centred, or right of the logo where a narrow frame brings them together.
    const QString title = QCoreApplication::translate("Graph", "Difference");
    const int halfTitle = paintCache->TextWidth(TitleFont(), title) / 2;
    const int titleCentre = std::max((frame.left + frame.right) / 2, logoRight + 10 + halfTitle);
    paintCache->DrawText(painter, TitleFont(), titleCentre, plot.top - 50, title, Align::Centre);
    DrawVerticalTicks(painter, kDifferenceTop, "%0.2f");
    DrawZoneLegend(painter);
    DrawCurves(painter, true);
    DrawOverlayLegend(painter, true);
}

// What each zone means, in the bottom margin under the tick labels and the
// axis label: a swatch and a text per zone, in as many lines as the frame's
// width needs.
void CGraph::DrawZoneLegend(QPainter& painter)
{
    struct Item {
        QColor brush;
        QString text;
        int x = 0;
        int line = 0;
    };
    const auto volts = [](double value) { return QLocale().toString(value); };
    Item items[] = {
        { Qt::transparent, QCoreApplication::translate("Graph", "Input - output:") },
        { kGreenBrush, QCoreApplication::translate("Graph", "up to %1 V").arg(volts(kGreenTop)) },
        { kYellow,
            QCoreApplication::translate("Graph", "%1 V to %2 V")
                .arg(volts(kGreenTop), volts(kYellowTop)) },
        { kOrange,
            QCoreApplication::translate("Graph", "%1 V to %2 V")
                .arg(volts(kYellowTop), volts(kDifferenceTop)) },
        { kRed,
            QCoreApplication::translate(
                "Graph", "above the input: the output would be below 0 V") },
    };
    constexpr int kPad = 5;
    constexpr int kSwatch = 11;
    constexpr int kSwatchGap = 4;
    constexpr int kItemGap = 14;
    const QFont& font = LegendFont();
    const int lineHeight = std::max(QFontMetrics(font).height(), kSwatch) + 3;
    const QRect box(QPoint(frame.left + 10, PlotArea().bottom + 46),
        QPoint(frame.right - 10, frame.bottom - 4));

    int x = 0;
    int line = 0;
    int widest = 0;
    for (Item& item : items) {
        const int swatch = item.brush.alpha() ? kSwatch + kSwatchGap : 0;
        const int width = swatch + paintCache->TextWidth(font, item.text);
        if (x > 0 && kPad + x + width + kPad > box.width()) {
            x = 0;
            ++line;
        }
        item.x = x;
        item.line = line;
        x += width;
        widest = std::max(widest, x);
        x += kItemGap;
    }
    const QRect legend(box.left(), box.top(), widest + 2 * kPad, (line + 1) * lineHeight + kPad);
    // A frame too small for it cuts it off rather than letting it run over
    // the window.
    painter.save();
    painter.setClipRect(QRect(QPoint(frame.left, frame.top), QPoint(frame.right, frame.bottom)));
    painter.fillRect(legend, Qt::white);
    Outline(painter,
        QPolygon(
            { legend.topLeft(), legend.bottomLeft(), legend.bottomRight(), legend.topRight() }),
        kBlack);
    for (const Item& item : items) {
        int left = legend.left() + kPad + item.x;
        const int top = legend.top() + kPad / 2 + 1 + item.line * lineHeight;
        if (item.brush.alpha()) {
            const QRect swatch(left, top + (lineHeight - 3 - kSwatch) / 2, kSwatch, kSwatch);
            painter.fillRect(swatch, item.brush);
            if (const Qt::BrushStyle hatch = ZoneHatch(item.brush); hatch != Qt::NoBrush)
                painter.fillRect(swatch, QBrush(kHatch, hatch));
            Outline(painter,
                QPolygon({ swatch.topLeft(), swatch.bottomLeft(), swatch.bottomRight(),
                    swatch.topRight() }),
                kGrey);
            left += kSwatch + kSwatchGap;
        }
        paintCache->DrawText(painter, font, left, top, item.text);
    }
    painter.restore();
}

void CGraph::DrawHorizontalTicks(QPainter& painter)
{
    const GraphRect plot = PlotArea();
    struct Label {
        int x; // the tick
        int left;
        int width;
        QString text;
    };
    std::vector<Label> labels;
    const GraphTicks ticks = TicksX();
    // Zoomed to steps finer than 0.1 V, the labels show them.
    const char* format = ticks.step < 0.1 ? "%0.2f" : "%0.1f";
    for (int i = 0; i < ticks.count; ++i) {
        const int x = TickX(i);
        const QString text = WithUnit(format, ticks.first + i * ticks.step, xUnit);
        const int width = paintCache->TextWidth(LabelFont(), text);
        // The last label ends inside the frame instead of past the window.
        labels.push_back({ x, std::min(x - 10, frame.right - 2 - width), width, text });
    }
    // Where labels would run into each other (a narrow graph), every other
    // tick keeps its label, the last one included; the grid stays whole.
    int every = 1;
    for (std::size_t i = 1; i < labels.size(); ++i)
        if (labels[i].left < labels[i - 1].left + labels[i - 1].width + 4)
            every = 2;
    const std::size_t last = labels.empty() ? 0 : labels.size() - 1;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if ((last - i) % every == 0)
            paintCache->DrawText(
                painter, LabelFont(), labels[i].left, plot.bottom + 9, labels[i].text);
        // No grid line on the plot's left border.
        if (labels[i].x > plot.left)
            Edge(painter, QPoint(labels[i].x, plot.bottom), QPoint(labels[i].x, plot.top), kGrey);
    }
}

void CGraph::DrawVerticalTicks(QPainter& painter, double top, const char* format)
{
    const GraphRect plot = PlotArea();
    const GraphTicks ticks = TicksY(top);
    for (int j = 0; j < ticks.count; ++j) {
        const int y = TickY(j);
        paintCache->DrawText(painter, LabelFont(), plot.left - 40, y - 8,
            WithUnit(format, ticks.first + j * ticks.step, yUnit));
        // No grid line on the plot's bottom border.
        if (y < plot.bottom)
            Edge(painter, QPoint(plot.left, y), QPoint(plot.right, y), kGrey);
    }
}

QString CGraph::ReadOutText() const
{
    return ReadOutText(cursorX, InputOutputView() ? cursorY - cursorX : cursorY);
}

QString CGraph::ReadOutText(double input, double difference) const
{
    return QCoreApplication::translate("Graph", "V[in]:%1 V[diff]:%2")
        .arg(WithUnit("%4.2f", input, xUnit), WithUnit("%4.2f", difference, xUnit));
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
    if (const Qt::BrushStyle hatch = ZoneHatch(brush); hatch != Qt::NoBrush) {
        painter.setBrush(QBrush(kHatch, hatch));
        painter.drawPolygon(polygon);
    }
    painter.setBrush(Qt::NoBrush);
    Outline(painter, polygon, pen);
}

QRect CGraph::CurveClip() const
{
    const GraphRect plot = PlotArea();
    // Zoomed, the curves run on past every edge; they stop at the border,
    // and a marker there is cut as the view cuts the curve.
    const int reach = Zoomed() ? 0 : kChosenMarkerRadius;
    return QRect(QPoint(plot.left - reach, plot.top - reach),
        QPoint(plot.right + reach, plot.bottom + reach));
}

void CGraph::DrawCurves(QPainter& painter, bool difference)
{
    const QRect clip = CurveClip();
    if (!clip.isValid())
        return;
    // A point of a damaged file may lie far outside the axes.
    painter.setClipRect(clip);
    const CPunt* highlighted = SelectedPoint();
    const bool editCr = EditingCr();
    // The edited CR curve is drawn last with all its markers, which covers
    // every pixel a first pass would draw; that pass is left out.
    if (project->showCr && !editCr) {
        DrawCurve(painter, project->crCurve.Head(), GraphStyle::kCrColour, false, difference,
            highlighted, false);
    }
    if (project->turboEnabled && project->showTurbo) {
        DrawCurve(painter, project->turboCurve.Head(), GraphStyle::kTurboColour, !editCr,
            difference, highlighted, !editCr);
    }
    // The edited CR curve lies on top of the TURBO curve.
    if (editCr) {
        DrawCurve(painter, project->crCurve.Head(), GraphStyle::kCrColour, true, difference,
            highlighted, true);
    }
    DrawOverlay(painter, difference);
    painter.setClipping(false);
    DrawBand(painter);
}

// Draws one curve: a line through its points, a marker on the first point and,
// if markAll, on every other one. The highlighted point gets the larger,
// filled circle; with withSelection, a selected point a filled square, so the
// selection shows by shape, not by colour alone.
void CGraph::DrawCurve(QPainter& painter, const CPunt* head, const QColor& colour, bool markAll,
    bool difference, const CPunt* highlighted, bool withSelection)
{
    if (!head)
        return;
    painter.setPen(QPen(colour, 1));
    const auto position = [&](const CPunt* p) {
        const double vertical = difference ? p->input - p->output : p->output;
        return QPoint(VoltsToX(p->input), VoltsToY(vertical));
    };
    const auto marker = [&](const CPunt* p, QPoint at) {
        if (p == highlighted) {
            paintCache->DrawMarker(painter, at, kChosenMarkerRadius, colour, true);
        } else if (withSelection && IsSelected(p->input)) {
            const int half = kSelectedMarkerHalf;
            painter.fillRect(at.x() - half, at.y() - half, 2 * half + 1, 2 * half + 1, colour);
        } else {
            paintCache->DrawMarker(painter, at, kMarkerRadius, colour);
        }
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

void CGraph::DrawBand(QPainter& painter)
{
    if (!banding)
        return;
    const QRect band = BandRect();
    if (band.isEmpty())
        return;
    painter.fillRect(band, kBandTint);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
}

void CGraph::ClipToPlotWhileZoomed(QPainter& painter, bool inside)
{
    if (!Zoomed())
        return;
    const GraphRect plot = PlotArea();
    const int in = inside ? 1 : 0;
    painter.setClipRect(
        QRect(QPoint(plot.left + in, plot.top + in), QPoint(plot.right - in, plot.bottom - in)));
}
