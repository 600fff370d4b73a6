#pragma once

#include <QRect>

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

// The template's window size, 469 x 322 units.
inline QSize WindowStartSize()
{
    return DialogUnits(0, 0, 469, 322).size();
}

// The panel occupies the client area left of this x (pixels); the graph
// paints from here rightwards.
constexpr int kPanelWidth = 95;
