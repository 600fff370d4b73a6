#include "GraphWidget.h"

#include "Graph.h"
#include "Translate.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
// The frame's distance from the widget's edges, pixels.
constexpr int kFrameLeft = 5;
constexpr int kFrameOther = 10;
} // namespace

CGraphWidget::CGraphWidget(ProjectState& project, QWidget* parent)
    : QWidget(parent)
    , graph(std::make_unique<CGraph>(&project))
{
    setObjectName(QStringLiteral("graph"));
    // Every paint redraws the whole graph, so any change repaints all of it.
    graph->repaintRequest = [this] {
        update();
        emit viewChanged();
    };
    graph->dragEnded = [this] { emit edited(); };
    graph->editReported = [this](const UserText& refusal) { emit editReported(Tr(refusal)); };
    graph->UseStandardAxes();
    // Hovering highlights points, so moves arrive without a button held.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    QPainter(this).drawImage(0, 0, buffer);
}

// Only a press on a drawn point or inside the plot area edits; presses on the
// margins and tick labels do nothing.
void CGraphWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        graph->PressAt(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

void CGraphWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const GraphRect& f = graph->frame;
    if (f.left < at.x() && at.x() < f.right && f.top < at.y() && at.y() < f.bottom)
        graph->MouseAt(at.x(), at.y());
    else if (graph->dragging)
        graph->EndDrag(at.x(), at.y());
    else
        graph->PointerLeft();
    QWidget::mouseMoveEvent(event);
}

void CGraphWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && graph->dragging) {
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
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
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
