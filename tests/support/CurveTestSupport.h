#pragma once

#include <Curve.h>

#include <utility>
#include <vector>

// Curves as plain lists of (input, output) pairs, for building and comparing
// them in tests.
using Points = std::vector<std::pair<double, double>>;

inline Points PointsOf(const CCurve& curve)
{
    Points points;
    for (const CPunt& p : curve)
        points.emplace_back(p.input, p.output);
    return points;
}

// A curve holding the points, added in the order given.
inline CCurve BuildCurve(const Points& points)
{
    CCurve curve;
    for (const auto& [input, output] : points)
        curve.Add(input, output);
    return curve;
}
