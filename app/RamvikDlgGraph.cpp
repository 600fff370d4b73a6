#include "RamvikDlg.h"

#include "Graph.h"
#include "PanelGeometry.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

// The graph's side of the main window: it creates the graph, keeps its frame
// in step with the window, paints it and hands it the mouse.

void CRamvikDlg::GraphDeleter::operator()(CGraph* graph) const
{
    delete graph;
}

void CRamvikDlg::CreateGraph()
{
    graph.reset(new CGraph(&project));
    // Every paint redraws the whole graph, so any change repaints all of it.
    graph->repaintRequest = [this] { update(kPanelWidth, 0, width() - kPanelWidth, height()); };
    graph->UseStandardAxes();
    graph->logoPath = QString::fromStdString(logoPath);
    // Hovering highlights points, so moves arrive without a button held.
    setMouseTracking(true);
}

void CRamvikDlg::SetGraphFrame()
{
    if (!graph)
        return;
    graph->SetFrame(graphFrame.x(), graphFrame.y(), graphFrame.x() + graphFrame.width(),
        graphFrame.y() + graphFrame.height());
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

void CRamvikDlg::mousePressEvent(QMouseEvent* event)
{
    // A press anywhere on the window's own surface starts a drag, also beside
    // the frame.
    if (graph && event->button() == Qt::LeftButton) {
        graph->BeginDrag();
        const QPoint at = event->position().toPoint();
        graph->MouseAt(at.x(), at.y());
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
    }
    QWidget::mouseMoveEvent(event);
}

void CRamvikDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (graph) {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            graph->EndDrag(at.x(), at.y());
        else if (event->button() == Qt::RightButton)
            graph->RightClick();
    }
    QWidget::mouseReleaseEvent(event);
}
