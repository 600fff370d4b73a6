#pragma once

#include <UserText.h>

#include <QWidget>

#include <memory>
#include <optional>
#include <string>

class CGraph;
struct ProjectState;

// The graph as a widget of its own, beside the panel: it paints the graph
// off screen and copies it in one go, and hands the mouse to the graph's
// editing. The graph's frame is this widget's rectangle inset by 5 pixels
// on the left and 10 on the other sides; every coordinate the graph uses is
// relative to this widget.
//
// The keys that edit points are the window's actions (shortcuts of this
// widget), so they act on the chosen point wherever the pointer is, as long
// as the graph has the keyboard focus.
//
// Selection: a click selects the point, Shift+click every point from the
// anchor to the clicked one, Ctrl+click adds or takes out one point,
// Shift+drag the points inside a rectangle, Ctrl+A all points, Escape none
// (after ending a rectangle selection first). Zoom: Ctrl+wheel zooms around
// the pointer; Shift+wheel pans along the input, a drag with the middle
// button in any direction.
class CGraphWidget : public QWidget {
    Q_OBJECT

public:
    // The project must outlive the widget.
    explicit CGraphWidget(ProjectState& project, QWidget* parent = nullptr);
    ~CGraphWidget() override;

    CGraph& Graph() { return *graph; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A mouse button went down on the graph, before the graph acts on it.
    void pressed();
    // A mouse edit changed the project (a drag ended, a point was removed).
    void edited();
    // Why the last edit was held back; empty when it was not.
    void editReported(const UserText& refusal);
    // A double-click on a point, or in empty plot space: the entry for exact
    // values. pointAddedByFirstClick: the first click of the double-click
    // made a new point there (it goes again when the entry is cancelled).
    void pointEntryWanted(bool pointAddedByFirstClick);
    // The chosen point or the read-out may have changed.
    void viewChanged();
    // The selected points changed (CGraph::Selection), also when points
    // dropped out of it because they are gone.
    void selectionChanged();
    // The graph was zoomed, panned or shows the whole range again.
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The units and every drawn text in the new language.
    void changeEvent(QEvent* event) override;

private:
    void Press(QMouseEvent* event);
    // Assistive technology names the graph after the view it shows, by its
    // title ("Input - Output"); the window describes it.
    void NameAfterView();

    const ProjectState& project;
    std::unique_ptr<CGraph> graph;
    // While the middle button pans: where the pointer was last.
    std::optional<QPoint> panFrom;
};
