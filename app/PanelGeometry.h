#pragma once

#include <QRect>
#include <QSize>

// The panel is laid out in dialog units, the platform's font-relative unit:
// at 100 % scaling one unit is 1.5 pixels across and 1.625 pixels down.
// Edges are rounded separately so controls that touch in units touch on
// screen.
inline QRect DialogUnits(int x, int y, int width, int height)
{
    const auto across = [](int units) { return (units * 3 + 1) / 2; };
    const auto down = [](int units) { return (units * 13 + 4) / 8; };
    return QRect(QPoint(across(x), down(y)), QPoint(across(x + width) - 1, down(y + height) - 1));
}

// The panel occupies the client area left of this x (pixels); the graph
// paints from here rightwards.
constexpr int kPanelWidth = 105;
// Height of the status line under the graph, pixels.
constexpr int kStatusHeight = 20;

// Roomy on a 1080p screen, with space left for the task bar.
inline QSize WindowStartSize()
{
    return QSize(1200, 780);
}

// The panel whole, and a graph whose tick labels, title and read-out do not
// run into each other in either view.
inline QSize WindowMinimumSize()
{
    return QSize(760, 560);
}

// The graph's frame in a client area of this size: 5 pixels right of the
// panel, 10 from the other edges, with the status line below it.
inline QRect GraphFrameFor(QSize client)
{
    const int left = kPanelWidth + 5;
    return QRect(left, 10, client.width() - left - 10, client.height() - 20 - kStatusHeight);
}
