#include "GraphTestSupport.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// What the graph draws beside the curves, and where the curves may go: the
// legends of both views, and the plot's border as the curves' limit.
namespace {

// Both views, on the window's smallest graph and on a roomy one.
void InEachViewAndSize(const std::function<void(bool io, QSize size)>& test)
{
    for (bool io : { true, false }) {
        for (QSize size : { QSize(420, 380), QSize(1200, 780) }) {
            SCOPED_TRACE(testing::Message() << (io ? "Input-Output " : "Difference ")
                                            << size.width() << " x " << size.height());
            test(io, size);
        }
    }
}

// A damaged file may hold voltages far outside the axes: their lines end at
// the plot's border, widened by a marker, and never run through the title,
// the tick labels or the margins. The project's curves and the box's.
TEST(GraphClip, StrayVoltagesStayInsideThePlot)
{
    for (const auto& [what, onBox, output] : std::vector<std::tuple<const char*, bool, double>> {
             { "the project's CR at 7 V", false, 7.0 }, { "the box's CR at -2 V", true, -2.0 } }) {
        SCOPED_TRACE(what);
        InEachViewAndSize([&, onBox = onBox, output = output](bool io, QSize size) {
            GraphBench b;
            ProjectState box;
            b.graph.SetOverlay(&box);
            b.UseWidget(size);
            b.UseView(io);
            const QImage clean = b.Render();
            (onBox ? box : b.project).crCurve.Add(3.0, output);
            const QImage stray = b.Render();
            const int r = CGraph::kChosenMarkerRadius;
            const QRect inside = ToQRect(b.graph.PlotArea()).adjusted(-r, -r, r, r);
            int changedInside = 0, changedOutside = 0;
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    if (clean.pixel(x, y) != stray.pixel(x, y))
                        ++(inside.contains(x, y) ? changedInside : changedOutside);
                }
            }
            EXPECT_GT(changedInside, 0);
            EXPECT_EQ(changedOutside, 0);
        });
    }
}

// A chosen marker on the plot's border is drawn whole: the point at 5 V in
// the top right corner, chosen with the keys.
TEST(GraphClip, AChosenMarkerOnTheBorderStaysWhole)
{
    GraphBench b;
    b.UseView(true);
    b.graph.SelectNeighbour(false); // the last point
    const QImage image = b.Render();
    const QPoint corner(b.graph.VoltsToX(5.0), b.graph.VoltsToY(5.0));
    const int r = CGraph::kChosenMarkerRadius - 1;
    for (QPoint edge : { QPoint(r, 0), QPoint(0, -r), QPoint(r - 1, 1 - r) })
        EXPECT_EQ(image.pixelColor(corner + edge), QColor(0, 0, 255))
            << edge.x() << "," << edge.y();
}

// The texts the graph has translated while it draws: the legend's rows are
// asked for in the order they stand.
class CAskedTexts : public QTranslator {
public:
    CAskedTexts() { QCoreApplication::installTranslator(this); }
    ~CAskedTexts() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        asked << QString::fromUtf8(source);
        return QString(); // the English source stands
    }
    mutable QStringList asked;
};

// The text pixels (black on a label's white cell) of the picture without
// the box's curves that the picture with them turns white.
int WhitenedTextPixels(const QImage& without, const QImage& with)
{
    int whitened = 0;
    for (int y = 0; y < without.height(); ++y) {
        for (int x = 0; x < without.width(); ++x)
            whitened += without.pixelColor(x, y).lightness() < 60
                && with.pixelColor(x, y).lightness() > 200;
    }
    return whitened;
}

// The legend names the project's curves and then the box's, a TURBO curve
// only where there is one: in the Input-Output view in the plot's upper left
// corner, where no curve goes; in the Difference view in the top margin. It
// covers no text: the read-out, the title, the axis and tick labels.
TEST(GraphLegend, NamesTheProjectsCurvesAndTheBoxsAndCoversNoLabel)
{
    for (const auto& [what, projectTurbo, boxTurbo, expected] :
        std::vector<std::tuple<const char*, bool, bool, const char*>> {
            { "project with TURBO, box without", true, false, "Project CR, Project TURBO, Box CR" },
            { "project without TURBO, box with", false, true, "Project CR, Box CR, Box TURBO" } }) {
        SCOPED_TRACE(what);
        InEachViewAndSize([&, projectTurbo = projectTurbo, boxTurbo = boxTurbo,
                              expected = expected](bool io, QSize size) {
            GraphBench b;
            ProjectState box;
            b.project.SetBoxType(projectTurbo ? 2 : 0);
            box.SetBoxType(boxTurbo ? 2 : 0);
            box.crCurve.Add(2.0, 1.8);
            b.UseWidget(size);
            b.UseView(io);
            b.graph.MouseAt(b.graph.VoltsToX(3.0), b.graph.VoltsToY(io ? 2.6 : 0.4));
            const QImage without = b.Render();
            b.graph.SetOverlay(&box);
            CAskedTexts texts;
            const QImage with = b.Render();
            const QStringList rows = texts.asked.filter(QRegularExpression("^(Project|Box) "));
            EXPECT_EQ(rows.join(", ").toStdString(), expected);
            EXPECT_EQ(WhitenedTextPixels(without, with), 0);
        });
    }
}

// The Difference view paints its zones and explains them in the bottom
// margin: a swatch of each zone's colour below the tick labels and the axis
// label, inside the frame, also on the smallest graph.
TEST(GraphLegend, ZonesAreExplainedBelowTheTickLabels)
{
    for (QSize size : { QSize(420, 380), QSize(1200, 780) }) {
        SCOPED_TRACE(size.width());
        GraphBench b;
        b.project.SetBoxType(2);
        b.UseWidget(size);
        b.UseView(false);
        const QImage image = b.Render();
        const int plotBottom = b.graph.PlotArea().bottom;
        const QRect f = ToQRect(b.graph.frame);
        const QRect labels(QPoint(f.left(), plotBottom + 6), QPoint(f.right(), plotBottom + 41));
        const QRect below(QPoint(f.left() + 1, plotBottom + 42), f.bottomRight() - QPoint(1, 1));
        for (QColor zone :
            { QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 182, 67), QColor(255, 0, 0) }) {
            SCOPED_TRACE(zone.name().toStdString());
            const auto same = [&zone](QColor c) { return c == zone; };
            EXPECT_TRUE(Any(image, ToQRect(b.graph.PlotArea()), same)) << "the zone itself";
            EXPECT_TRUE(Any(image, below, same));
            EXPECT_FALSE(Any(image, labels, same));
            EXPECT_FALSE(Any(image, QRect(0, f.bottom(), size.width(), size.height()), same));
            EXPECT_FALSE(Any(image, QRect(f.right(), 0, size.width(), size.height()), same));
        }
    }
}

// The zones tell apart without their colours (a colour-blind eye, a grey
// printout of the window): in grey, each zone's hatching differs from every
// other's, the green zone plain.
TEST(GraphZones, TellApartWithoutColour)
{
    GraphBench b;
    b.UseWidget(QSize(1200, 780));
    b.UseView(false);
    const QImage grey = b.Render().convertToFormat(QImage::Format_Grayscale8);
    // A spot inside each zone, clear of the grid (every 0.5 V across, every
    // 0.2 V up) and of the curves (at 0 V up here).
    const struct {
        const char* zone;
        double input;
        double vertical;
    } spots[] = {
        { "green", 3.25, 0.3 },
        { "yellow", 3.25, 0.7 },
        { "orange", 3.25, 1.1 },
        { "red", 0.25, 1.1 },
    };
    // The darker pixels of a 16 x 16 square at a multiple of 16, so every
    // hatching (8 pixels to its pattern) lies alike in each.
    std::vector<std::pair<std::string, QString>> textures;
    for (const auto& spot : spots) {
        const int x = b.graph.VoltsToX(spot.input) / 16 * 16;
        const int y = b.graph.VoltsToY(spot.vertical) / 16 * 16;
        int lightest = 0;
        for (int dy = 0; dy < 16; ++dy)
            for (int dx = 0; dx < 16; ++dx)
                lightest = std::max(lightest, qGray(grey.pixel(x + dx, y + dy)));
        QString texture;
        for (int dy = 0; dy < 16; ++dy)
            for (int dx = 0; dx < 16; ++dx)
                texture += qGray(grey.pixel(x + dx, y + dy)) < lightest - 20 ? '#' : '.';
        textures.emplace_back(spot.zone, texture);
    }
    EXPECT_EQ(textures[0].second, QString(256, '.')) << "green is plain";
    for (std::size_t i = 0; i < textures.size(); ++i)
        for (std::size_t j = i + 1; j < textures.size(); ++j)
            EXPECT_NE(textures[i].second.toStdString(), textures[j].second.toStdString())
                << textures[i].first << " and " << textures[j].first << " look alike";
}

// The Difference view keeps its 150-pixel margins where the frame has room;
// a short frame (a small window at 200 %) gives up margin first, so its nine
// tick labels, 15 pixels high, never run into each other, and the title
// stays above the plot, clear of the logo.
TEST(GraphDifferenceMargins, AShortFrameGivesUpMarginBeforeThePlot)
{
    const struct {
        QSize widget;
        int margin; // -1: between the least and the full margin
    } rows[] = {
        { QSize(900, 700), 150 },
        { QSize(900, 540), -1 },
        { QSize(420, 380), 90 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.widget.height());
        GraphBench bench;
        bench.UseWidget(row.widget);
        bench.UseView(false);
        const CGraph& graph = bench.graph;
        if (row.margin > 0)
            EXPECT_EQ(graph.marginTop, row.margin);
        else
            EXPECT_TRUE(graph.marginTop > 90 && graph.marginTop < 150) << graph.marginTop;
        EXPECT_EQ(graph.marginBottom, graph.marginTop);
        for (int j = 0; j < 8; ++j)
            EXPECT_GE(graph.TickY(j) - graph.TickY(j + 1), 16) << "tick " << j;
    }
}

// Each tick label of the input axis is an opaque white cell. Where the graph
// is narrow, every other one goes, so each still stands apart from the next
// (the last one, pulled inside the frame, once covered the one before).
TEST(GraphTickLabels, StandApartAtAnyWidth)
{
    const struct {
        int width;
        int labels;
    } rows[] = { { 1200, 11 }, { 420, 6 } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.width);
        GraphBench bench;
        bench.UseWidget(QSize(row.width, 700));
        bench.UseView(true);
        const QImage image = bench.Render();
        const int y = bench.graph.PlotArea().bottom + 9 + 7; // through the labels' cells
        int cells = 0;
        bool inCell = false;
        for (int x = bench.graph.frame.left + 1; x < bench.graph.frame.right; ++x) {
            // White ground and black text alike; the face colour between.
            const bool cell = image.pixelColor(x, y) != GraphBench::Face();
            cells += cell && !inCell;
            inCell = cell;
        }
        EXPECT_EQ(cells, row.labels);
    }
}

} // namespace
