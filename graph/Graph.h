#pragma once

#include <UserText.h>

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CGraphPaintCache;
class CPunt;
class QPainter;
class QPen;
struct ProjectState;

// A rectangle of client pixels as the graph counts it: right and bottom are
// the coordinates of the last column and row that belong to it.
struct GraphRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The axis ranges, whole volts.
struct GraphRange {
    int xMin = 0;
    int yMax = 0;
    int xMax = 0;
    int yMin = 0;
};

// The part of the axes the plot area shows, volts: the whole range, or less
// while the screen graph is zoomed.
struct GraphVisible {
    double xLow = 0.0;
    double xHigh = 0.0;
    double yLow = 0.0;
    double yHigh = 0.0;
};

// Tick marks of one axis: values first, first + step, ... (count of them),
// all inside the visible part.
struct GraphTicks {
    double first = 0.0;
    double step = 0.0;
    int count = 0;
};

// The graph of the main window: draws the CR and TURBO curves of a project in
// the Input-Output or the Difference view and lets the user edit them with
// the mouse. Works in the pixel coordinates of the widget it is drawn on; the
// frame is where in that widget the graph lies.
//
// The graph reads the project it shows through a pointer (the start and stop
// voltages, the flags, the view and the curve heads), so it never holds a
// stale copy; it changes only the curves, and stores back every head that an
// insertion returns. The project must outlive the graph.
class CGraph {
public:
    explicit CGraph(ProjectState* project);
    virtual ~CGraph();
    CGraph(const CGraph&) = delete;
    CGraph& operator=(const CGraph&) = delete;

    // Called whenever what the graph shows has changed. The owner repaints the
    // whole graph on every paint, so the graph never says which part changed.
    std::function<void()> repaintRequest;

    // --- geometry (Graph.cpp)
    // Both store the rectangle normalised (left <= right, top <= bottom) and
    // ask for a repaint. SetRange takes whole volts with top the highest
    // value and sets both steps to a fifth of the span, in whole volts.
    void SetFrame(int left, int top, int right, int bottom);
    void SetRange(int left, int top, int right, int bottom);
    // The axes of every view of a project: both 0 to 5 V (the sensor's
    // span), ticks and grid every 0.5 V, unit "V".
    void UseStandardAxes();

    // Volts to pixels truncate towards zero; pixels to volts are unrounded.
    // Neither clamps: a value outside the visible part maps outside the plot
    // area. Every conversion between pixels and volts, for drawing, picking,
    // dragging and the read-out, goes through these four and so follows the
    // zoom.
    int VoltsToX(double volts) const;
    int VoltsToY(double volts) const;
    double XToVolts(int x) const;
    double YToVolts(int y) const;
    // The ticks of the visible part: unzoomed every xStep from xMin and
    // every yStep from yMin; zoomed a finer step that keeps about ten on an
    // axis. The vertical ticks end at top (the Difference view stops at
    // 1.6 V).
    GraphTicks TicksX() const;
    GraphTicks TicksY(double top) const;
    // Where the i-th of TicksX (left to right) and the j-th of TicksY (bottom
    // to top) lie.
    int TickX(int i) const;
    int TickY(int j) const;
    // The plot area: the frame less the margins.
    GraphRect PlotArea() const;

    // --- drawing (GraphDraw.cpp)
    // Paints the whole graph of the current view. The painter covers the
    // widget and is already filled with the face colour. The curves are
    // clipped to the plot area (unzoomed widened by a chosen marker's radius,
    // so a marker on the border stays whole): a stray voltage of a damaged
    // file, or a zoom, never runs them through the labels and margins.
    // Sets the margins and the vertical range of the view it draws, which the
    // mouse handling then uses.
    void Draw(QPainter& painter, const QColor& face);
    // The platform's 3-D face colour.
    static QColor FaceColour();
    // The read-out of the current view: the input at the cursor and, in the
    // Input-Output view output minus input, in the Difference view the
    // vertical value.
    QString ReadOutText() const;
    // The read-out's text for these values, in volts.
    QString ReadOutText(double input, double difference) const;

    // --- zoom and pan of the screen graph (GraphZoom.cpp). Only this graph's
    // view changes: the project, the printout and the picture the tool draws
    // always show the whole range. One zoom serves both views: the input
    // window is the same in both, and each view keeps its own vertical
    // window. The view never leaves the axes' range.
    //
    // Zooms by the factor (above 1 in, below 1 out) around the pixel, which
    // keeps the volts under it where they are; a pixel outside the plot area
    // counts as the nearest pixel on its edge. At most down to a window of
    // kNarrowestInputSpan volts of input.
    void ZoomAt(int x, int y, double factor);
    // Moves what the plot shows with the pointer: by dx pixels to the right
    // and dy down. Nothing while the whole range is shown.
    void PanBy(int dx, int dy);
    // The whole range again.
    void ResetZoom();
    bool Zoomed() const { return zoom.factor > 1.0; }
    // How much narrower than the whole range the view is: 1 unzoomed.
    double ZoomFactor() const { return zoom.factor; }
    GraphVisible Visible() const;
    // After every zoom, pan and reset.
    std::function<void()> zoomChanged;

    static constexpr double kNarrowestInputSpan = 0.1; // volts

    // --- selection (GraphSelection.cpp): points of the edited curve, held
    // as their inputs exactly as the curve stores them, sorted. It belongs to
    // the edited curve: editing the other curve clears it, and a point that
    // is gone (removed, undone, replaced by a read) drops out of it. The
    // chosen point is its current point: what the keys move and the read-out
    // shows. A plain click, a Ctrl+click and the Left and Right keys also
    // make their point the anchor that Shift+click selects from; the keys
    // select their point alone, as a click does.
    const std::vector<double>& Selection();
    // Keeps only inputs the edited curve holds.
    void SetSelection(std::vector<double> inputs);
    void SelectAll();
    void ClearSelection();
    // Escape: ends a rectangle selection without selecting; otherwise, when
    // no drag runs, clears the selection. False when it did nothing.
    bool Escape();
    // A rectangle selection runs (Shift and the left button held).
    bool Banding() const { return banding; }
    // After every change of the selection, also when points dropped out.
    std::function<void()> selectionChanged;

    // --- another project's curves over the project's (GraphOverlay.cpp)
    // Draws the curves of another project after the project's own, in both
    // views, with a legend naming the project's curves and the other's; null
    // removes them. Without a file name the other project is what a box
    // holds (dotted and dashed, "Box CR"); with one it is that project file
    // (dash-dotted in colours of their own, the legend naming the file). The
    // project must outlive its use here. The printout never shows it.
    void SetOverlay(const ProjectState* other, const QString& fileName = QString());
    const ProjectState* Overlay() const { return overlay; }
    // Takes the other project's curves away when they are the ones drawn; a
    // panel that goes leaves another's overlay alone.
    void RemoveOverlay(const ProjectState* other);
    const QString& OverlayFileName() const { return overlayFile; }

    // --- mouse and keyboard editing (GraphMouse.cpp). Every change to the
    // curve is one call of ProjectState's point edits.
    //
    // A point is chosen by a press, the keys or a typed entry and stays
    // chosen wherever the pointer goes; a marker the pointer merely rests on
    // is highlighted instead while the pointer is there. The highlighted
    // point, else the chosen one, is drawn filled and is what the keys move.
    //
    // A left press. Plain: on a point's drawn marker it picks that point and
    // starts dragging it; elsewhere inside the plot area it inserts a point at
    // the pointer and drags that. Either way the dragged point becomes the
    // chosen one and the whole selection. Extend (Shift): starts a rectangle
    // selection, which the release ends; a release without a move on a marker
    // selects every point from the anchor to that one. Toggle (Ctrl): adds
    // the point under the marker to the selection or takes it out. Extend
    // and Toggle never change the curve. A press that does nothing gives
    // false.
    enum class PressMode { Plain, Extend, Toggle };
    bool PressAt(int x, int y, PressMode mode = PressMode::Plain);
    // The input of the point the last PressAt inserted, or nothing when it
    // picked an existing point, was refused or was outside the plot. A double
    // click uses it to take back what its first click added.
    std::optional<double> PointAddedByLastPress() const { return addedByLastPress; }
    // The pointer moved inside the frame: a hover, or a drag step while a
    // drag runs. The read-out follows.
    void MouseAt(int x, int y);
    // Left button up, or the pointer left the frame while dragging; ends a
    // rectangle selection too.
    void EndDrag(int x, int y);
    // Right button up: during a drag the dragged point goes back onto the
    // line output = input; otherwise the point whose marker lies under the
    // pixel is removed, as far as the rules allow.
    void RightClickAt(int x, int y);
    // The pointer left the frame: a highlight the pointer made goes, the
    // chosen point stays and the read-out shows it.
    void PointerLeft();
    // Keys: choose the neighbouring point of the edited curve; move the
    // highlighted point up (positive volts) or down on the screen; remove it.
    // The keys own the read-out until the pointer moves again.
    void SelectNeighbour(bool higher);
    void MoveSelected(double volts);
    void RemoveSelected();
    // A typed point: sets the output of the point at this input, or inserts
    // one there, and chooses it.
    void PutTypedPoint(double input, double output);
    // The point of the edited curve whose drawn marker covers the pixel (the
    // nearest when markers overlap), or null. Uses the current view.
    CPunt* PointUnder(int x, int y);
    // Recomputes the highlight and the read-out for the current project and
    // view, as the last pointer position or key chose them; Draw calls it,
    // so a paint never shows a stale read-out. Over a marker the read-out
    // shows its point, elsewhere in the frame the pointer's position, and
    // with the pointer away or after a key the chosen point.
    void UpdateHover();
    // The highlighted point of the edited curve, else the chosen one, or
    // null. Checked against the current curve, so a point freed by New, a
    // reset or a read is never used.
    CPunt* SelectedPoint();

    // A drag begins with a press and ends with the release, the pointer
    // leaving the frame or the right button; the curve changes only between.
    // A history records everything in between as one step.
    std::function<void()> dragBegan;
    std::function<void()> dragEnded;
    // After every edit attempt: why the rules held it back, or empty.
    std::function<void(const UserText& refusal)> editReported;

    // --- logo (GraphLogo.cpp)
    // The file drawn as the logo: logoPath + separator + "logo.bmp"; empty
    // when logoPath is empty.
    QString LogoFile() const;
    // Size of a picture drawn as the logo: at most 235 x 150, aspect kept.
    static QSize LogoSize(QSize picture);

    // Fields the window sets after construction.
    double xStep = 1.0; // volts between horizontal ticks and grid lines
    double yStep = 1.0; // volts between vertical ticks; set again by Draw
    QString xUnit;
    QString yUnit;
    QString logoPath; // folder of the logo picture

    GraphRect frame;
    GraphRange range;
    // Distance of the plot area from the frame, pixels; set by every Draw.
    int marginLeft = 50;
    int marginRight = 10;
    int marginTop = 30;
    int marginBottom = 30;

    // Mouse state. cursorX is the input voltage at the mouse, cursorY the
    // vertical value (output, or input minus output in the Difference view).
    double cursorX = 0.0;
    double cursorY = 0.0;
    bool dragging = false;
    double dragInput = 0.0; // input of the dragged point while dragging
    // Vertical volts between the grabbed marker's centre and the press, kept
    // through the drag so the point does not jump to the pointer.
    double grabOffset = 0.0;

    // Marker radii, pixels: every point, and the highlighted or chosen one.
    static constexpr int kMarkerRadius = 3;
    static constexpr int kChosenMarkerRadius = 5;
    // Half the side of a selected point's filled square, pixels.
    static constexpr int kSelectedMarkerHalf = 4;

private:
    // A point of the edited curve, not owned, with its input when it was
    // taken: a new point that took a freed point's address is not it.
    struct PointRef {
        CPunt* point = nullptr;
        double input = 0.0;
    };
    // The point, or null (and forgotten) when the edited curve no longer
    // holds it; with followInput, the point now at its input, if any.
    CPunt* Valid(PointRef& ref, bool followInput = false);
    PointRef chosen;
    // The point whose marker the pointer rests on, while no drag runs.
    PointRef hovered;
    // The last pointer position inside the frame, while the pointer is there
    // and no key has taken the read-out since.
    bool pointerOver = false;
    int pointerX = 0;
    int pointerY = 0;
    std::optional<double> addedByLastPress;

    // GraphZoom.cpp. factor 1 shows the whole range; otherwise the input
    // window starts at xLow, the vertical one at yLow of the view (index
    // graphType), each a factor narrower than its axis.
    struct Zoom {
        double factor = 1.0;
        double xLow = 0.0;
        double yLow[2] = { 0.0, 0.0 };
    } zoom;
    // The view the zoom last showed: a switch centres the new view's
    // vertical window on the edited curve.
    int zoomedView = -1;
    void FollowViewSwitch();
    void KeepInRange();
    // Pans as little as needed to show the point, when zoomed.
    void ShowPoint(const CPunt* p);
    void ReportZoom();

    // GraphSelection.cpp
    std::vector<double> selection;
    bool selectionOfCr = true; // the curve the selection belongs to
    // The input a Shift-click selects from.
    std::optional<double> anchor;
    bool banding = false;
    int bandX = 0; // where the rectangle selection began, pixels
    int bandY = 0;
    PointRef bandPoint; // the marker a Shift-press was on
    // The edited curve as (input, vertical value) pairs, lowest input first.
    std::vector<std::pair<double, double>> EditedPoints() const;
    // Drops what no longer belongs to the edited curve; reports a change.
    void PruneSelection();
    void ChangeSelection(std::vector<double> inputs);
    bool IsSelected(double input) const;
    // The point alone, as anchor; null clears the selection.
    void SelectOnly(const CPunt* p);
    void SelectRangeTo(CPunt* p);
    void ToggleSelected(CPunt* p);
    void EndBand(int x, int y);
    // The rectangle selection's rectangle in pixels, within the plot area.
    QRect BandRect() const;
    bool InputOutputView() const;
    bool EditingCr() const;
    // The first point of the edited curve of the project.
    CPunt* EditedHead();
    void RequestRepaint();
    void ApplyViewGeometry(bool inputOutput);

    // GraphMouse.cpp
    void CursorFromPointer();
    void HoverStep();
    void DragStep();
    // The point at exactly this input on the edited curve, or null.
    CPunt* PointAt(double input);
    void ShowInReadOut(const CPunt* p);
    // Makes the point the chosen one, shown in the read-out; the keys and
    // typed entries take the read-out from the pointer with it.
    void Choose(CPunt* p);
    double Vertical(const CPunt* p) const;
    void RemovePoint(CPunt* p);
    void Report(const UserText& refusal);

    // GraphDraw.cpp
    void DrawPlotBorder(QPainter& painter);
    void DrawInputOutputView(QPainter& painter);
    void DrawDifferenceView(QPainter& painter, const QColor& face);
    void DrawHorizontalTicks(QPainter& painter);
    void DrawVerticalTicks(QPainter& painter, double top, const char* format);
    void DrawZoneLegend(QPainter& painter);
    // The plot area widened by a chosen marker's radius, or while zoomed the
    // plot area: what curves may cover.
    QRect CurveClip() const;
    void DrawCurves(QPainter& painter, bool difference);
    void DrawCurve(QPainter& painter, const CPunt* head, const QColor& colour, bool markAll,
        bool difference, const CPunt* highlighted, bool withSelection);
    void DrawBand(QPainter& painter);
    // Keeps what the painter draws next inside the plot area while zoomed
    // (inside = true: off its border too); unzoomed it draws as it always did.
    void ClipToPlotWhileZoomed(QPainter& painter, bool inside);
    void DrawOverlay(QPainter& painter, bool difference);
    void DrawOverlayCurve(QPainter& painter, const CPunt* head, const QPen& line, bool difference);
    void DrawOverlayLegend(QPainter& painter, bool difference);
    void DrawZone(QPainter& painter, const QColor& brush, const QColor& pen,
        std::initializer_list<std::pair<double, double>> corners);

    // GraphLogo.cpp: the logo, scaled to its drawn size, read again only when
    // the file's time stamp or size changes. A missing or unreadable file
    // leaves an empty image and nothing is drawn.
    const QImage& Logo();
    struct LogoCache {
        QString file;
        QDateTime modified;
        qint64 size = -1;
        bool checked = false;
        QImage scaled;
    } logo;

    ProjectState* project; // not owned
    const ProjectState* overlay = nullptr; // not owned
    QString overlayFile; // empty: the overlay is a box's
    std::unique_ptr<CGraphPaintCache> paintCache;
};
