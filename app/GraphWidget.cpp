#include "GraphWidget.h"

#include "Graph.h"

#include <ProjectState.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
// The frame's distance from the widget's edges, pixels.
constexpr int kFrameLeft = 5;
constexpr int kFrameOther = 10;
// One notch of the wheel (120 eighths of a degree) zooms by this factor, and
// pans by this share of the plot's width.
constexpr double kZoomPerNotch = 1.25;
constexpr double kPanPerNotch = 0.1;
constexpr double kEighthsPerNotch = 120.0;
} // namespace

CGraphWidget::CGraphWidget(ProjectState& project_, QWidget* parent)
    : QWidget(parent)
    , project(project_)
    , graph(std::make_unique<CGraph>(&project_))
{
    setObjectName(QStringLiteral("graph"));
    // Every paint redraws the whole graph, so any change repaints all of it.
    graph->repaintRequest = [this] {
        update();
        emit viewChanged();
    };
    graph->dragEnded = [this] { emit edited(); };
    graph->editReported = [this](const UserText& refusal) { emit editReported(refusal); };
    graph->selectionChanged = [this] { emit selectionChanged(); };
    graph->zoomChanged = [this] { emit zoomChanged(); };
    graph->UseStandardAxes();
    // Hovering highlights points, so moves arrive without a button held.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    NameAfterView();
}

void CGraphWidget::NameAfterView()
{
    const QString title = project.graphType != 0
        ? QCoreApplication::translate("Graph", "Input - Output")
        : QCoreApplication::translate("Graph", "Difference");
    if (accessibleName() != title)
        setAccessibleName(title);
}

CGraphWidget::~CGraphWidget() = default;

QSize CGraphWidget::sizeHint() const
{
    return QSize(900, 680);
}

// Room for the Difference view's margins, its title, read-out and tick
// labels, and a plot area still to be used.
QSize CGraphWidget::minimumSizeHint() const
{
    return QSize(420, 380);
}

void CGraphWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    graph->SetFrame(kFrameLeft, kFrameOther, width() - kFrameOther, height() - kFrameOther);
}

void CGraphWidget::paintEvent(QPaintEvent*)
{
    // The whole graph is drawn off screen and copied in one go, so the screen
    // never shows a half-drawn graph.
    const qreal ratio = devicePixelRatioF();
    QImage buffer(size() * ratio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    const QColor face = palette().color(QPalette::Button);
    buffer.fill(face);
    {
        QPainter painter(&buffer);
        graph->Draw(painter, face);
    }
    // A switch of view always repaints.
    NameAfterView();
    QPainter(this).drawImage(0, 0, buffer);
}

// Only a press on a drawn point or inside the plot area edits; presses on the
// margins and tick labels do nothing.
void CGraphWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    setFocus(Qt::MouseFocusReason);
    Press(event);
    QWidget::mousePressEvent(event);
}

void CGraphWidget::Press(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::MiddleButton && !graph->dragging && !graph->Banding()) {
        panFrom = at;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton || panFrom)
        return;
    // Shift wins over Ctrl: Ctrl+Shift extends as Shift does.
    const Qt::KeyboardModifiers keys = event->modifiers();
    CGraph::PressMode mode = CGraph::PressMode::Plain;
    if (keys & Qt::ShiftModifier)
        mode = CGraph::PressMode::Extend;
    else if (keys & Qt::ControlModifier)
        mode = CGraph::PressMode::Toggle;
    graph->PressAt(at.x(), at.y(), mode);
}

void CGraphWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const GraphRect& f = graph->frame;
    if (panFrom) {
        graph->PanBy(at.x() - panFrom->x(), at.y() - panFrom->y());
        panFrom = at;
    } else if (graph->Banding()) {
        // The rectangle follows the pointer out of the frame too; it is cut
        // to the plot.
        graph->MouseAt(at.x(), at.y());
    } else if (f.left < at.x() && at.x() < f.right && f.top < at.y() && at.y() < f.bottom) {
        graph->MouseAt(at.x(), at.y());
    } else if (graph->dragging) {
        graph->EndDrag(at.x(), at.y());
    } else {
        graph->PointerLeft();
    }
    QWidget::mouseMoveEvent(event);
}

void CGraphWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::MiddleButton && panFrom) {
        panFrom.reset();
        unsetCursor();
    } else if (event->button() == Qt::LeftButton && (graph->dragging || graph->Banding())) {
        graph->EndDrag(at.x(), at.y());
    } else if (event->button() == Qt::RightButton) {
        graph->RightClickAt(at.x(), at.y());
        emit edited();
    }
    QWidget::mouseReleaseEvent(event);
}

// The first click of a double-click has already picked the point under the
// pointer, or made one in empty plot space; the second opens the entry.
void CGraphWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A quick second Shift- or Ctrl-click is a click of its own.
    if (event->button() != Qt::LeftButton
        || (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        Press(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const bool added = graph->PointAddedByLastPress().has_value();
    if (added || graph->PointUnder(at.x(), at.y())) {
        graph->MouseAt(at.x(), at.y());
        emit pointEntryWanted(added);
    }
}

void CGraphWidget::leaveEvent(QEvent* event)
{
    if (!graph->dragging)
        graph->PointerLeft();
    QWidget::leaveEvent(event);
}

void CGraphWidget::wheelEvent(QWheelEvent* event)
{
    // Some platforms turn a Shift-wheel into a sideways one.
    const QPoint delta = event->angleDelta();
    const double notches = (delta.y() != 0 ? delta.y() : delta.x()) / kEighthsPerNotch;
    const QPoint at = event->position().toPoint();
    if (event->modifiers() & Qt::ControlModifier) {
        graph->ZoomAt(at.x(), at.y(), std::pow(kZoomPerNotch, notches));
    } else if (event->modifiers() & Qt::ShiftModifier) {
        const GraphRect plot = graph->PlotArea();
        graph->PanBy(
            static_cast<int>(std::lround(notches * kPanPerNotch * (plot.right - plot.left))), 0);
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void CGraphWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        graph->SelectAll();
    } else if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!graph->Escape()) {
            QWidget::keyPressEvent(event);
            return;
        }
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CGraphWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The graph draws its texts through the translators at each paint;
        // only the units are kept. The axes' range stays as it is.
        graph->xUnit = QCoreApplication::translate("Graph", "V");
        graph->yUnit = graph->xUnit;
        NameAfterView();
        update();
    }
    QWidget::changeEvent(event);
}
