#pragma once

#include "PrintLayout.h"
#include "ProjectState.h"

#include <ostream>
#include <utility>
#include <vector>

// Readable points and texts in failure messages.
inline void PrintTo(const QPoint& point, std::ostream* os)
{
    *os << "(" << point.x() << ", " << point.y() << ")";
}

// Projects and look-ups shared by the printout tests.
namespace print_test {

using Points = std::vector<std::pair<double, double>>;

inline CPunt* MakeCurve(const Points& points)
{
    CPunt* head = new CPunt(points.front().first, points.front().second);
    for (size_t i = 1; i < points.size(); ++i)
        head = head->Add(points[i].first, points[i].second);
    return head;
}

// A curve of count points (at least 2) spread evenly from 0 V to 5 V, each
// output 0.25 V above its input up to 5 V.
inline CPunt* MakeEvenCurve(int count)
{
    Points points;
    for (int i = 0; i < count; ++i) {
        const double input = 5.0 * i / (count - 1);
        points.emplace_back(input, input + 0.25 > 5.0 ? 5.0 : input + 0.25);
    }
    return MakeCurve(points);
}

inline std::vector<PrintText> TextsIn(const PrintSheet& sheet, PrintFont font)
{
    std::vector<PrintText> found;
    for (const PrintText& text : sheet.texts) {
        if (text.font == font)
            found.push_back(text);
    }
    return found;
}

inline std::vector<PrintPolyline> LinesOf(const PrintSheet& sheet, PrintPen pen)
{
    std::vector<PrintPolyline> found;
    for (const PrintPolyline& line : sheet.lines) {
        if (line.pen == pen)
            found.push_back(line);
    }
    return found;
}

// The text item at exactly this anchor, or null.
inline const PrintText* TextAt(const PrintSheet& sheet, QPoint anchor)
{
    for (const PrintText& text : sheet.texts) {
        if (text.anchor == anchor)
            return &text;
    }
    return nullptr;
}

} // namespace print_test
