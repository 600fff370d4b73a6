#pragma once

#include <QColor>
#include <QFont>

// What the graph's drawing files share: the colours of the project's curves
// and the fonts, created once (they never change while the program runs).
namespace GraphStyle {

inline const QColor kCrColour(0, 0, 255);
inline const QColor kTurboColour(255, 0, 0);

// Tick labels, axis labels and the read-out: "Courier New", cell 15 pixels.
const QFont& LabelFont();
// The view's title: heavy "arial", cell 20 pixels.
const QFont& TitleFont();
// The legends: "arial", 12 pixels.
const QFont& LegendFont();

} // namespace GraphStyle
