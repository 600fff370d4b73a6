#pragma once

#include "CurveTestSupport.h"
#include "Graph.h"
#include "PrintLayout.h"
#include "ProjectState.h"

#include <QImage>
#include <QPainter>

#include <cmath>

// A graph set up as the main window sets it up on a client area of 800 x 600:
// frame (100, 10, 790, 590), both axes 0 to 5 V in steps of 0.5 V.
struct GraphBench {
    ProjectState project;
    CGraph graph { &project };
    int repaints = 0;

    GraphBench()
    {
        graph.repaintRequest = [this] { ++repaints; };
        graph.SetFrame(100, 10, 790, 590);
        graph.SetRange(0, 5, 5, 0);
        graph.xStep = graph.yStep = 0.5;
        graph.xUnit = graph.yUnit = "V";
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
    // A pixel inside the frame whose quantised cursor value is exactly volts.
    int XFor(double volts) const { return Find(graph.frame.left, graph.frame.right, volts, true); }
    int YFor(double volts) const { return Find(graph.frame.bottom, graph.frame.top, volts, false); }
    int Find(int from, int to, double volts, bool x) const
    {
        for (int p = from; p != to; p += from < to ? 1 : -1) {
            if (std::trunc((x ? graph.XToVolts(p) : graph.YToVolts(p)) * 50) / 50 == volts)
                return p;
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

// count points (at least 2) evenly from 0 V to 5 V, each output 0.25 V above
// its input up to 5 V.
inline CPunt* EvenCurve(int count)
{
    Points points;
    for (int i = 0; i < count; ++i) {
        const double input = 5.0 * i / (count - 1);
        points.emplace_back(input, std::min(input + 0.25, 5.0));
    }
    return BuildCurve(points);
}

// The sheet's text at exactly this anchor.
inline QString TextAt(const PrintSheet& sheet, QPoint anchor)
{
    for (const PrintText& text : sheet.texts) {
        if (text.anchor == anchor)
            return text.text;
    }
    return "<none>";
}
