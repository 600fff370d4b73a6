#include "RamvikDlg.h"

#include <QMouseEvent>
#include <QPaintEvent>

// The graph's side of the main window. Until the graph exists the plot area
// shows the window's face colour.

void CRamvikDlg::GraphDeleter::operator()(CGraph* graph) const
{
    (void)graph;
}

void CRamvikDlg::CreateGraph() { }

void CRamvikDlg::SetGraphFrame() { }

void CRamvikDlg::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
}

void CRamvikDlg::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void CRamvikDlg::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}

void CRamvikDlg::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
}
