#pragma once

#include "Punt.h"

#include <utility>
#include <vector>

using CurvePoints = std::vector<std::pair<double, double>>;

inline CurvePoints PointsOf(const CPunt* head)
{
    CurvePoints out;
    for (const CPunt* p = head; p; p = p->next)
        out.emplace_back(p->input, p->output);
    return out;
}
