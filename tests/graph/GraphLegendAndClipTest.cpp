#include "GraphTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

// What the graph draws beside the curves, and where the curves may go: the
// legends of both views, and the plot's border as the curves' limit. At the
// window's smallest graph and at a roomy one.
namespace {

const QSize kSmallest(420, 380);
const QSize kRoomy(1200, 780);

QRect CurveArea(const CGraph& g)
{
    const int r = CGraph::kChosenMarkerRadius;
    return ToQRect(g.PlotArea()).adjusted(-r, -r, r, r);
}

// A damaged file may hold voltages far outside the axes: their lines end at
// the plot's border, widened by a marker, and never run through the title,
// the tick labels or the margins. The project's curves and the box's, in
// both views.
TEST(GraphClip, StrayVoltagesStayInsideThePlot)
{
    struct Row {
        const char* what;
        bool box;
        double output;
    };
    const Row rows[] = {
        { "the project's CR at 7 V", false, 7.0 },
        { "the project's CR at -2 V", false, -2.0 },
        { "the box's CR at 7 V", true, 7.0 },
        { "the box's CR at -2 V", true, -2.0 },
    };
    for (const auto& [what, onBox, output] : rows) {
        for (bool io : { true, false }) {
            for (QSize size : { kSmallest, kRoomy }) {
                SCOPED_TRACE(testing::Message()
                    << what << (io ? ", Input-Output " : ", Difference ") << size.width());
                GraphBench b;
                ProjectState box;
                b.graph.SetOverlay(&box);
                b.UseWidget(size);
                b.UseView(io);
                const QImage clean = b.Render();
                (onBox ? box : b.project).crCurve->Add(3.0, output);
                const QImage stray = b.Render();
                const QRect inside = CurveArea(b.graph);
                int changedInside = 0;
                int changedOutside = 0;
                for (int y = 0; y < size.height(); ++y) {
                    for (int x = 0; x < size.width(); ++x) {
                        if (clean.pixel(x, y) != stray.pixel(x, y))
                            ++(inside.contains(x, y) ? changedInside : changedOutside);
                    }
                }
                EXPECT_GT(changedInside, 0);
                EXPECT_EQ(changedOutside, 0);
            }
        }
    }
}

// The chosen marker on the plot's border is drawn whole: the point at 5 V in
// the top right corner, chosen with the keys.
TEST(GraphClip, AChosenMarkerOnTheBorderStaysWhole)
{
    GraphBench b;
    b.UseWidget(kSmallest);
    b.UseView(true);
    b.graph.SelectNeighbour(false); // the last point
    const QImage image = b.Render();
    const QPoint corner(b.graph.VoltsToX(5.0), b.graph.VoltsToY(5.0));
    const int r = CGraph::kChosenMarkerRadius - 1;
    for (QPoint edge : { QPoint(r, 0), QPoint(0, -r), QPoint(r - 1, -(r - 1)) })
        EXPECT_EQ(image.pixelColor(corner + edge), QColor(0, 0, 255))
            << edge.x() << "," << edge.y();
}

// The pens of the legend's rows from top to bottom: 'C' the project's CR
// (solid blue), 'T' its TURBO (solid red), 'c' the box's CR (magenta dots),
// 't' the box's TURBO (black dashes). The samples stand under the project's
// CR sample, the row with the longest blue line in the region.
std::string LegendRows(const QImage& image, QRect region)
{
    region &= image.rect();
    const auto is
        = [](QRgb pixel, QRgb colour) { return (pixel & 0xffffff) == (colour & 0xffffff); };
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0), magenta = qRgb(220, 0, 220),
               black = qRgb(0, 0, 0);
    int sampleLeft = -1, sampleRight = -1, most = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        int left = -1, right = -1, count = 0;
        for (int x = region.left(); x <= region.right(); ++x) {
            if (is(image.pixel(x, y), blue)) {
                left = left < 0 ? x : left;
                right = x;
                ++count;
            }
        }
        if (count > most) {
            most = count;
            sampleLeft = left;
            sampleRight = right;
        }
    }
    if (most < 20)
        return "";
    std::string rows;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        int counts[4] = {};
        for (int x = sampleLeft; x <= sampleRight; ++x) {
            const QRgb p = image.pixel(x, y);
            counts[0] += is(p, blue);
            counts[1] += is(p, red);
            counts[2] += is(p, magenta);
            counts[3] += is(p, black);
        }
        char row = 0;
        if (counts[0] >= 20)
            row = 'C';
        else if (counts[1] >= 20)
            row = 'T';
        else if (counts[2] >= 8)
            row = 'c';
        else if (counts[3] >= 12 && counts[3] <= sampleRight - sampleLeft - 4)
            row = 't'; // dashes, not the legend's border
        if (row && (rows.empty() || rows.back() != row))
            rows += row;
    }
    return rows;
}

// The legend names the project's curves and then the box's, a TURBO curve
// only where there is one: in the Input-Output view in the plot's upper left
// corner, where no curve goes; in the Difference view in the top margin.
TEST(GraphLegend, NamesTheProjectsCurvesAndTheBoxs)
{
    struct Row {
        const char* what;
        bool projectTurbo, boxTurbo;
        const char* rows;
    };
    const Row rows[] = {
        { "project and box with TURBO", true, true, "CTct" },
        { "project with TURBO, box without", true, false, "CTc" },
        { "project without TURBO, box with", false, true, "Cct" },
        { "neither with TURBO", false, false, "Cc" },
    };
    for (const auto& [what, projectTurbo, boxTurbo, expected] : rows) {
        for (bool io : { true, false }) {
            for (QSize size : { kSmallest, kRoomy }) {
                SCOPED_TRACE(testing::Message()
                    << what << (io ? ", Input-Output " : ", Difference ") << size.width());
                GraphBench b;
                ProjectState box;
                b.project.SetBoxType(projectTurbo ? 2 : 0);
                box.SetBoxType(boxTurbo ? 2 : 0);
                b.graph.SetOverlay(&box);
                b.UseWidget(size);
                b.UseView(io);
                const QImage image = b.Render();
                const GraphRect plot = b.graph.PlotArea();
                const GraphRect& frame = b.graph.frame;
                const QRect region = io
                    ? QRect(plot.left, plot.top, (plot.right - plot.left) * 2 / 5,
                        (plot.bottom - plot.top) * 3 / 10)
                    : QRect(QPoint(frame.left, frame.top), QPoint(frame.right, plot.top - 6));
                EXPECT_EQ(LegendRows(image, region), expected);
            }
        }
    }
}

// The legend with all four rows leaves the read-out, the title and the axis
// and tick labels as they are without it: the strips that hold them are the
// same pixel for pixel.
TEST(GraphLegend, CoversNoLabelAndNotTheReadOut)
{
    for (bool io : { true, false }) {
        for (QSize size : { kSmallest, kRoomy }) {
            SCOPED_TRACE(
                testing::Message() << (io ? "Input-Output " : "Difference ") << size.width());
            GraphBench b;
            ProjectState box;
            b.project.SetBoxType(2);
            box.SetBoxType(2);
            box.crCurve->Add(2.0, 1.8);
            b.UseWidget(size);
            b.UseView(io);
            b.graph.MouseAt(b.graph.VoltsToX(3.0), b.graph.VoltsToY(io ? 2.6 : 0.4));
            const QImage without = b.Render();
            b.graph.SetOverlay(&box);
            const QImage with = b.Render();
            const GraphRect plot = b.graph.PlotArea();
            const GraphRect& f = b.graph.frame;
            const int gap = CGraph::kChosenMarkerRadius + 1; // clear of every curve
            std::vector<std::pair<const char*, QRect>> strips {
                { "vertical tick labels",
                    QRect(QPoint(f.left, f.top), QPoint(plot.left - gap, f.bottom)) },
                { "horizontal tick labels",
                    QRect(QPoint(f.left, plot.bottom + gap), QPoint(f.right, plot.bottom + 42)) },
            };
            if (io) {
                strips.push_back({ "read-out, title and V[Out]",
                    QRect(QPoint(f.left, f.top), QPoint(f.right, plot.top - gap)) });
                strips.push_back({ "V[In]",
                    QRect(QPoint(plot.right - 60, plot.bottom - 17),
                        QPoint(plot.right - 2, plot.bottom - 3)) });
            } else {
                strips.push_back(
                    { "title", QRect(QPoint(f.left, f.top + 95), QPoint(f.right, f.top + 125)) });
                strips.push_back({ "read-out and V[Diff]",
                    QRect(QPoint(f.left, f.top + 168), QPoint(f.right, f.top + 183)) });
            }
            for (const auto& [name, strip] : strips) {
                const QRect area = strip & with.rect();
                EXPECT_TRUE(with.copy(area) == without.copy(area)) << name;
            }
        }
    }
}

// The Difference view's zones are explained in the bottom margin: a swatch
// of each zone's colour below the tick labels and the axis label, inside the
// frame, also on the smallest graph.
TEST(GraphLegend, ZonesAreExplainedBelowTheTickLabels)
{
    for (QSize size : { kSmallest, kRoomy }) {
        SCOPED_TRACE(size.width());
        GraphBench b;
        b.project.SetBoxType(2);
        b.UseWidget(size);
        b.UseView(false);
        const QImage image = b.Render();
        const GraphRect plot = b.graph.PlotArea();
        const QRect frame = ToQRect(b.graph.frame);
        const QRect labels(
            QPoint(frame.left(), plot.bottom + 6), QPoint(frame.right(), plot.bottom + 41));
        const QRect below(QPoint(frame.left() + 1, plot.bottom + 42),
            QPoint(frame.right() - 1, frame.bottom() - 1));
        for (QColor zone :
            { QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 182, 67), QColor(255, 0, 0) }) {
            SCOPED_TRACE(zone.name().toStdString());
            const auto same = [&zone](QColor c) { return c == zone; };
            EXPECT_TRUE(Any(image, below, same));
            EXPECT_FALSE(Any(image, labels, same));
            EXPECT_FALSE(Any(image, QRect(0, frame.bottom(), size.width(), size.height()), same));
            EXPECT_FALSE(Any(image, QRect(frame.right(), 0, size.width(), size.height()), same));
        }
    }
}

} // namespace
