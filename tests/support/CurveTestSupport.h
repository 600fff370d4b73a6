#pragma once

#include <Punt.h>

#include <utility>
#include <vector>

// Curves as plain lists of (input, output) pairs, for building and comparing
// them in tests.
using Points = std::vector<std::pair<double, double>>;

inline Points PointsOf(const CPunt* head)
{
    Points points;
    for (const CPunt* p = head; p; p = p->next)
        points.emplace_back(p->input, p->output);
    return points;
}

// A new curve holding the points, added in the order given.
inline CPunt* BuildCurve(const Points& points)
{
    CPunt* head = new CPunt(points.front().first, points.front().second);
    for (std::size_t i = 1; i < points.size(); ++i)
        head = head->Add(points[i].first, points[i].second);
    return head;
}
