#include "GraphTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(127, 127, 127);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// A label cell: opaque white with some dark text pixels in it.
bool HasLabelAt(const QImage& image, int left, int top)
{
    bool white = false;
    bool ink = false;
    for (int y = top; y < top + 15; ++y) {
        for (int x = left; x < left + 30; ++x) {
            const QColor c = At(image, x, y);
            white = white || c == kWhite;
            ink = ink || c.lightness() < 100;
        }
    }
    return white && ink;
}

bool NearColour(const QImage& image, QPoint at, const QColor& colour, int reach = 1)
{
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (At(image, at.x() + dx, at.y() + dy) == colour)
                return true;
        }
    }
    return false;
}

QPoint Where(const CGraph& g, double input, double vertical)
{
    return QPoint(g.VoltsToX(input), g.VoltsToY(vertical));
}

TEST(GraphDraw, InputOutputViewHasElevenLabelsPerAxisAndTenGridLines)
{
    GraphBench b;
    b.project.crCurve->Add(3.0, 2.0); // so the curve leaves the diagonal
    const QImage image = b.Render();
    const GraphRect plot = b.graph.PlotArea();
    const int between = (b.graph.TickY(0) + b.graph.TickY(1)) / 2;
    for (int i = 0; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(HasLabelAt(image, b.graph.TickX(i) - 10, plot.bottom + 9));
        EXPECT_TRUE(HasLabelAt(image, plot.left - 40, b.graph.TickY(i) - 8));
        // No grid line at the first tick: the black border lies there.
        const QColor expected = i == 0 ? kBlack : kGrey;
        EXPECT_EQ(At(image, b.graph.TickX(i), between), expected);
        EXPECT_EQ(At(image, (plot.left + plot.right) / 2 + 5, b.graph.TickY(i)), expected);
        EXPECT_EQ(At(image, b.graph.TickX(i) + 5, between), b.Face());
    }
    // The diagonal output = input.
    EXPECT_TRUE(NearColour(image, Where(b.graph, 3.25, 3.25), kGrey));
    // The frame border.
    EXPECT_EQ(At(image, 100, 300), kWhite);
    EXPECT_EQ(At(image, 790, 300), kWhite);
}

TEST(GraphDraw, DifferenceViewShowsZonesAndNothingAboveOnePointSix)
{
    GraphBench b;
    b.project.ChooseDifferenceView();
    const QImage image = b.Render();
    const GraphRect plot = b.graph.PlotArea();
    for (int i = 0; i <= 10; ++i)
        EXPECT_TRUE(HasLabelAt(image, b.graph.TickX(i) - 10, plot.bottom + 9)) << i;
    const int column = (b.graph.TickX(6) + b.graph.TickX(7)) / 2;
    for (int j = 0; j <= 10; ++j) {
        SCOPED_TRACE(j);
        const bool shown = j <= 8; // 0.00 V to 1.60 V
        // A label at 1.80 V would lie under the axis label "V[Diff]".
        if (j != 9) {
            EXPECT_EQ(HasLabelAt(image, plot.left - 40, b.graph.TickY(j) - 8), shown);
        }
        if (j > 0) {
            EXPECT_EQ(At(image, column, b.graph.TickY(j)) == kGrey, shown);
        }
    }
    // Vertical grid lines stop at 1.6 V.
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(At(image, b.graph.TickX(i), b.graph.VoltsToY(1.3)), kGrey) << i;
        EXPECT_EQ(At(image, b.graph.TickX(i), b.graph.VoltsToY(1.9)), b.Face()) << i;
    }
    struct Sample {
        double input, vertical;
        QColor colour;
    };
    for (const Sample& s :
        { Sample { 3.25, 0.3, QColor(0, 255, 0) }, Sample { 3.25, 0.65, QColor(255, 255, 0) },
            Sample { 3.25, 1.1, QColor(255, 182, 67) }, Sample { 0.25, 1.1, kRed },
            Sample { 1.25, 1.5, kRed }, Sample { 1.75, 1.5, QColor(255, 182, 67) },
            Sample { 3.25, 1.8, b.Face() }, Sample { 0.1, 1.95, b.Face() } }) {
        SCOPED_TRACE(s.input * 100 + s.vertical);
        EXPECT_EQ(At(image, b.graph.VoltsToX(s.input), b.graph.VoltsToY(s.vertical)), s.colour);
    }
    // The outlines of the zones and the blank band cover the border.
    EXPECT_EQ(At(image, plot.left, b.graph.VoltsToY(1.9)), b.Face());
    EXPECT_EQ(At(image, column, plot.top), b.Face());
    EXPECT_EQ(At(image, plot.left, b.graph.VoltsToY(1.1)), kRed);
    // The last grid line lies on the right border.
    EXPECT_EQ(At(image, plot.right, b.graph.VoltsToY(0.3)), kGrey);
}

TEST(GraphDraw, DrawsTurboOnlyWhenEnabledAndShown)
{
    struct Case {
        int boxType;
        bool showTurbo, editTurbo, red;
    };
    for (bool io : { true, false }) {
        for (const Case& c : { Case { 2, true, false, true }, Case { 2, false, false, false },
                 Case { 0, true, false, false }, Case { 2, true, true, true } }) {
            SCOPED_TRACE(c.boxType * 100 + c.showTurbo * 10 + c.editTurbo);
            GraphBench b;
            b.project.SetBoxType(c.boxType);
            if (!io)
                b.project.ChooseDifferenceView();
            b.project.crCurve->Add(2.5, 1.5);
            b.project.turboCurve->Add(2.5, io ? 4.0 : 2.2);
            if (c.editTurbo)
                b.project.SelectTurboForEdit();
            if (!c.showTurbo)
                b.project.ClickShowTurbo();
            const QImage image = b.Render();
            // Between 1.5 and 2.5 V the CR curve runs flat at 1.5 V; the TURBO
            // curve rises from 0 V to its point at 2.5 V.
            const QPoint cr = Where(b.graph, 2.25, io ? 1.5 : 0.75);
            const QPoint turbo = Where(b.graph, 1.25, io ? 2.0 : 0.15);
            EXPECT_TRUE(NearColour(image, cr, kBlue));
            EXPECT_EQ(NearColour(image, turbo, kRed), c.red);
        }
    }
}

// The edited curve carries markers on every point, the other one only on its
// first; the selected point's marker is larger.
TEST(GraphDraw, MarksThePointsOfTheEditedCurve)
{
    GraphBench b;
    b.project.SetBoxType(2);
    b.project.turboCurve->Add(2.5, 4.0);
    b.graph.MouseAt(b.XFor(1.5), 300); // selects the CR point at 1.5 V
    ASSERT_NE(b.graph.SelectedPoint(), nullptr);
    // The marker's outline seen left of the centre; the line through the
    // point only touches the pixels next to it.
    const auto radius = [](const QImage& image, QPoint centre, const QColor& colour) {
        int left = 0;
        for (int dx = 2; dx <= 8; ++dx) {
            if (At(image, centre.x() - dx, centre.y()) == colour)
                left = dx;
        }
        return left;
    };
    QImage image = b.Render();
    EXPECT_EQ(radius(image, Where(b.graph, 1.5, 1.5), kBlue), 4);
    EXPECT_EQ(radius(image, Where(b.graph, 4.5, 4.5), kBlue), 3);
    EXPECT_EQ(radius(image, Where(b.graph, 2.5, 4.0), kRed), 0);

    b.project.SelectTurboForEdit();
    image = b.Render();
    EXPECT_EQ(radius(image, Where(b.graph, 2.5, 4.0), kRed), 3);
    EXPECT_EQ(radius(image, Where(b.graph, 4.5, 4.5), kBlue), 0);
    EXPECT_EQ(radius(image, Where(b.graph, 1.5, 1.5), kBlue), 0);
}

TEST(GraphDraw, ReadOutShowsTheCursor)
{
    GraphBench b;
    b.graph.cursorX = 2.0;
    b.graph.cursorY = 1.7;
    QImage image = b.Render();
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:2.00V V[diff]:-0.30V");
    // Right-aligned ten pixels inside the frame.
    EXPECT_EQ(At(image, 790 - 11, 10 + 8), kWhite);
    EXPECT_NE(At(image, 790 - 9, 10 + 8), kWhite);

    b.project.ChooseDifferenceView();
    b.graph.cursorY = 0.3;
    b.Render();
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:2.00V V[diff]:0.30V");
    b.graph.cursorY = 1.9;
    image = b.Render();
    EXPECT_EQ(b.graph.cursorY, 1.6);
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:2.00V V[diff]:1.60V");
    EXPECT_EQ(At(image, 790 - 11, 10 + 168), kWhite);
}

class GraphLogo : public ::testing::Test {
protected:
    QTemporaryDir dir;
    GraphBench b;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        b.graph.logoPath = dir.path();
        b.project.ChooseDifferenceView();
    }
    QString File() const { return QDir(dir.path()).filePath("logo.bmp"); }
    void WriteLogo(QSize size, const QColor& colour)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(File(), "BMP"));
    }
};

TEST_F(GraphLogo, ScalesToAtMost235By150)
{
    EXPECT_EQ(CGraph::LogoSize(QSize(470, 100)), QSize(235, 50));
    EXPECT_EQ(CGraph::LogoSize(QSize(100, 300)), QSize(50, 150));
    EXPECT_EQ(CGraph::LogoSize(QSize(0, 0)), QSize());

    const QColor magenta(255, 0, 255);
    for (QSize size : { QSize(470, 100), QSize(100, 300) }) {
        WriteLogo(size, magenta);
        const QSize drawn = CGraph::LogoSize(size);
        const QImage image = b.Render();
        EXPECT_EQ(At(image, 110, 20), magenta);
        EXPECT_EQ(At(image, 110 + drawn.width() - 1, 20 + drawn.height() - 1), magenta);
        EXPECT_NE(At(image, 110 + drawn.width(), 20), magenta);
        EXPECT_NE(At(image, 110, 20 + drawn.height()), magenta);
    }
}

TEST_F(GraphLogo, IsReadAgainWhenTheFileChanges)
{
    WriteLogo(QSize(470, 100), QColor(255, 0, 255));
    EXPECT_EQ(At(b.Render(), 120, 30), QColor(255, 0, 255));
    WriteLogo(QSize(470, 100), QColor(0, 255, 255));
    // Same size: the time stamp tells the change.
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(
        QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(At(b.Render(), 120, 30), QColor(0, 255, 255));
    ASSERT_TRUE(QFile::remove(File()));
    EXPECT_EQ(At(b.Render(), 120, 30), b.Face());
}

TEST_F(GraphLogo, MissingOrBadFileLeavesTheRestOfTheView)
{
    const QImage reference = [&] {
        GraphBench plain;
        plain.project.ChooseDifferenceView();
        return plain.Render();
    }();
    for (const QByteArray& content :
        { QByteArray(), QByteArray("BM not a bitmap at all"), QByteArray(1000, '\xff') }) {
        QFile::remove(File());
        if (!content.isNull()) {
            QFile file(File());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        EXPECT_EQ(b.Render(), reference);
    }
    b.graph.logoPath.clear();
    EXPECT_EQ(b.Render(), reference);
}

TEST_F(GraphLogo, FileNameAddsOneSeparator)
{
    b.graph.logoPath = "/opt/ramvik/";
    EXPECT_EQ(QDir::fromNativeSeparators(b.graph.LogoFile()), "/opt/ramvik/logo.bmp");
    b.graph.logoPath = "/opt/ramvik";
    EXPECT_EQ(QDir::fromNativeSeparators(b.graph.LogoFile()), "/opt/ramvik/logo.bmp");
}

} // namespace
