#pragma once

#include "CurveTestSupport.h"
#include "Graph.h"
#include "ProjectState.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <utility>
#include <vector>

// A graph set up as the main window sets it up, on a client area of
// 800 x 600 pixels: frame (100, 10, 790, 590), both axes 0 to 5 V in steps
// of 0.5 V.
struct GraphBench {
    ProjectState project;
    CGraph graph { &project };
    int repaints = 0;

    GraphBench()
    {
        graph.repaintRequest = [this] { ++repaints; };
        graph.SetFrame(100, 10, 790, 590);
        graph.SetRange(0, 5, 5, 0);
        graph.xStep = 0.5;
        graph.yStep = 0.5;
        graph.xUnit = "V";
        graph.yUnit = "V";
    }

    void UseView(bool inputOutput)
    {
        if (inputOutput)
            project.ChooseInputOutputView();
        else
            project.ChooseDifferenceView();
        Render(); // the view's geometry comes with its first paint
    }

    QImage Render(QSize size = QSize(800, 600))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Face());
        QPainter painter(&image);
        graph.Draw(painter, Face());
        return image;
    }

    static QColor Face() { return QColor(212, 208, 200); }

    // A pixel inside the frame at which the quantised cursor input is
    // exactly the given value, searched as the pixels cannot hit every volt.
    int XFor(double volts) const
    {
        for (int x = graph.frame.left + 1; x < graph.frame.right; ++x) {
            if (std::trunc(graph.XToVolts(x) * 50) / 50 == volts)
                return x;
        }
        return -1;
    }

    int YFor(double volts) const
    {
        for (int y = graph.frame.bottom - 1; y > graph.frame.top; --y) {
            if (std::trunc(graph.YToVolts(y) * 50) / 50 == volts)
                return y;
        }
        return -1;
    }
};

inline const CPunt* PointAt(const CPunt* head, double input)
{
    for (const CPunt* p = head; p; p = p->next) {
        if (std::abs(p->input - input) < 1e-9)
            return p;
    }
    return nullptr;
}
