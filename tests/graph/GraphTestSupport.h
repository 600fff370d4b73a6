#pragma once

#include "Graph.h"
#include "ProjectState.h"

#include <QImage>
#include <QPainter>

// A graph set up as the main window sets it up on a client area of 800 x 600:
// frame (100, 10, 790, 590), both axes 0 to 5 V in steps of 0.5 V.
struct GraphBench {
    ProjectState project;
    CGraph graph { &project };
    GraphBench()
    {
        graph.repaintRequest = [] {};
        graph.SetFrame(100, 10, 790, 590);
        graph.UseStandardAxes();
    }
    // The frame the graph's own widget of this size gives it.
    void UseWidget(QSize size)
    {
        widget = size;
        graph.SetFrame(5, 10, size.width() - 10, size.height() - 10);
    }
    void UseView(bool inputOutput)
    {
        if (inputOutput)
            project.ChooseInputOutputView();
        else
            project.ChooseDifferenceView();
        Render(); // the view's geometry comes with its first paint
    }
    QImage Render() { return Render(widget); }
    QImage Render(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Face());
        QPainter painter(&image);
        graph.Draw(painter, Face());
        return image;
    }
    static QColor Face() { return QColor(212, 208, 200); }
    // Where the edited curve's point at this input is drawn.
    QPoint MarkerOf(double input)
    {
        const CPunt* p = project.EditedCurve().Find(input);
        const double vertical = project.graphType ? p->output : p->input - p->output;
        return QPoint(graph.VoltsToX(p->input), graph.VoltsToY(vertical));
    }
    QSize widget { 800, 600 };
};

template <typename Test> bool Any(const QImage& image, QRect area, Test test)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

inline QRect ToQRect(const GraphRect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}
