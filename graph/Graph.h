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
    // Neither clamps: a value outside the range maps outside the plot area.
    int VoltsToX(double volts) const;
    int VoltsToY(double volts) const;
    double XToVolts(int x) const;
    double YToVolts(int y) const;
    // The i-th tick counted by steps from xMin (left) and yMin (bottom).
    int TickX(int i) const;
    int TickY(int j) const;
    // The plot area: the frame less the margins.
    GraphRect PlotArea() const;

    // --- drawing (GraphDraw.cpp)
    // Paints the whole graph of the current view. The painter covers the
    // widget and is already filled with the face colour. The curves are
    // clipped to the plot area (widened by a chosen marker's radius, so a
    // marker on the border stays whole): a stray voltage of a damaged file
    // never runs through the labels and margins.
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

    // --- the box's curves over the project's (GraphOverlay.cpp)
    // Draws the curves of another project (what a box holds) after the
    // project's own, dotted and dashed, in both views, with a legend naming
    // the project's curves and the box's; null removes them. The project
    // must outlive its use here.
    void SetOverlay(const ProjectState* box);
    const ProjectState* Overlay() const { return overlay; }

    // --- mouse and keyboard editing (GraphMouse.cpp). Every change to the
    // curve is one call of ProjectState's point edits.
    //
    // A point is chosen by a press, the keys or a typed entry and stays
    // chosen wherever the pointer goes; a marker the pointer merely rests on
    // is highlighted instead while the pointer is there. The highlighted
    // point, else the chosen one, is drawn filled and is what the keys move.
    //
    // A left press. On a point's drawn marker it picks that point and starts
    // dragging it; elsewhere inside the plot area it inserts a point at the
    // pointer and drags that. Anywhere else it does nothing and gives false.
    // Either way the dragged point becomes the chosen one.
    bool PressAt(int x, int y);
    // The input of the point the last PressAt inserted, or nothing when it
    // picked an existing point, was refused or was outside the plot. A double
    // click uses it to take back what its first click added.
    std::optional<double> PointAddedByLastPress() const { return addedByLastPress; }
    // The pointer moved inside the frame: a hover, or a drag step while a
    // drag runs. The read-out follows.
    void MouseAt(int x, int y);
    // Left button up, or the pointer left the frame while dragging.
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
    // The plot area widened by a chosen marker's radius: what curves may cover.
    QRect CurveClip() const;
    void DrawCurves(QPainter& painter, bool difference);
    void DrawCurve(QPainter& painter, const CPunt* head, const QColor& colour, bool markAll,
        bool difference, const CPunt* highlighted);
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
    std::unique_ptr<CGraphPaintCache> paintCache;
};
