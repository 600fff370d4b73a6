#include "RamvikDlg.h"

#include "Graph.h"
#include "PanelGeometry.h"
#include "PointEntryDlg.h"
#include "Translate.h"

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <string>

// The graph's side of the main window: it creates the graph, keeps its frame
// in step with the window, paints it and hands it the mouse and the keys.

namespace {
// The Up and Down keys move a point by one of the box's steps, with Shift by
// five.
constexpr double kKeyStep = 0.02;
constexpr double kShiftKeyStep = 0.1;
} // namespace

void CRamvikDlg::GraphDeleter::operator()(CGraph* graph) const
{
    delete graph;
}

void CRamvikDlg::CreateGraph()
{
    graph.reset(new CGraph(&project));
    // Every paint redraws the whole graph, so any change repaints all of it.
    graph->repaintRequest = [this] { update(kPanelWidth, 0, width() - kPanelWidth, height()); };
    // The caption's modified mark follows a drag once it is over.
    graph->dragEnded = [this] { Refresh(); };
    graph->editReported = [this](const UserText& refusal) { ShowStatus(Tr(refusal)); };
    graph->UseStandardAxes();
    graph->logoPath = QString::fromStdString(logoPath);
    // Hovering highlights points, so moves arrive without a button held.
    setMouseTracking(true);
    // A click on the graph, or Tab, gives the window the keys that edit it.
    setFocusPolicy(Qt::StrongFocus);

    statusLine = new QLabel(this);
    statusLine->setObjectName("statusLine");
    statusLine->setToolTip("Why the last change to a point was held back");
}

void CRamvikDlg::SetGraphFrame()
{
    if (!graph)
        return;
    graph->SetFrame(graphFrame.x(), graphFrame.y(), graphFrame.x() + graphFrame.width(),
        graphFrame.y() + graphFrame.height());
    statusLine->setGeometry(
        graphFrame.x(), graphFrame.bottom() + 4, graphFrame.width(), kStatusHeight);
}

void CRamvikDlg::ShowStatus(const QString& text)
{
    if (statusLine)
        statusLine->setText(text);
}

void CRamvikDlg::paintEvent(QPaintEvent* event)
{
    // A minimised window shows its icon, which the platform draws.
    if (!graph || isMinimized() || width() <= kPanelWidth || height() <= 0) {
        QWidget::paintEvent(event);
        return;
    }
    // The whole graph is drawn off screen and copied in one go, so the screen
    // never shows a half-drawn graph.
    const qreal ratio = devicePixelRatio();
    QImage buffer(size() * ratio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    const QColor face = palette().color(QPalette::Button);
    buffer.fill(face);
    {
        QPainter painter(&buffer);
        graph->Draw(painter, face);
    }
    // The panel left of kPanelWidth paints itself; the copy never covers it.
    const QRect graphArea(kPanelWidth, 0, width() - kPanelWidth, height());
    QPainter window(this);
    window.drawImage(graphArea, buffer,
        QRectF(graphArea.x() * ratio, 0, graphArea.width() * ratio, graphArea.height() * ratio));
}

// Only a press on a drawn point or inside the plot area edits; presses on the
// panel's labels and group boxes, which pass them on to the window, and on
// the margins and tick labels do nothing.
void CRamvikDlg::mousePressEvent(QMouseEvent* event)
{
    if (graph && event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (graph->PressAt(at.x(), at.y()))
            setFocus(Qt::MouseFocusReason);
    }
    QWidget::mousePressEvent(event);
}

void CRamvikDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (graph) {
        const QPoint at = event->position().toPoint();
        const GraphRect& f = graph->frame;
        if (f.left < at.x() && at.x() < f.right && f.top < at.y() && at.y() < f.bottom)
            graph->MouseAt(at.x(), at.y());
        else if (graph->dragging)
            graph->EndDrag(at.x(), at.y());
        else
            graph->PointerLeft();
    }
    QWidget::mouseMoveEvent(event);
}

void CRamvikDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (graph) {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton && graph->dragging) {
            graph->EndDrag(at.x(), at.y());
        } else if (event->button() == Qt::RightButton) {
            graph->RightClickAt(at.x(), at.y());
            Refresh();
        }
    }
    QWidget::mouseReleaseEvent(event);
}

// The first click of a double click has already picked or made the point
// under the pointer; the second opens its entry.
void CRamvikDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (graph && event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (graph->PointUnder(at.x(), at.y())) {
            graph->MouseAt(at.x(), at.y());
            OpenPointEntry();
            return;
        }
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CRamvikDlg::leaveEvent(QEvent* event)
{
    if (graph && !graph->dragging)
        graph->PointerLeft();
    QWidget::leaveEvent(event);
}

bool CRamvikDlg::HandleGraphKey(QKeyEvent* event)
{
    const QWidget* focus = focusWidget();
    if (!graph || (focus && focus != this))
        return false;
    const double step = event->modifiers() & Qt::ShiftModifier ? kShiftKeyStep : kKeyStep;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        graph->SelectNeighbour(event->key() == Qt::Key_Right);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        graph->MoveSelected(event->key() == Qt::Key_Up ? step : -step);
        // A held key's repeats move one point in one step to undo.
        if (const CPunt* moved = graph->SelectedPoint())
            session.RecordChange("point key " + std::to_string(moved->input));
        break;
    case Qt::Key_Delete:
        graph->RemoveSelected();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OpenPointEntry();
        break;
    default:
        return false;
    }
    event->accept();
    Refresh();
    return true;
}

void CRamvikDlg::OpenPointEntry()
{
    if (!graph || graph->dragging)
        return;
    const CPunt* chosen = graph->SelectedPoint();
    // A new point starts where the pointer or the key last was.
    const double input = chosen ? chosen->input : graph->cursorX;
    const double output = chosen ? chosen->output : input;
    auto* entry = new CPointEntryDlg(project, chosen == nullptr, input, output, this);
    entry->setAttribute(Qt::WA_DeleteOnClose);
    connect(entry, &QDialog::accepted, this, [this, entry] {
        graph->PutTypedPoint(entry->Input(), entry->Output());
        Refresh();
    });
    entry->open();
}
