#include "CurveTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The points of a curve, checking on the way that prev mirrors next.
Points Collect(const CPunt* head)
{
    const CPunt* last = nullptr;
    for (const CPunt* p = head; p; last = p, p = p->next)
        EXPECT_EQ(p->prev, last) << "prev does not mirror next at " << p->input;
    return PointsOf(head);
}

// Add returns the new head when the point goes below the old one; an input
// 1.2999999999999998 is another point than 1.3.
TEST(PuntAdd, InsertsSortedAndReplacesEqualInputs)
{
    const std::tuple<Points, double, double, Points> cases[]
        = { { { { 0, 0 }, { 5, 5 } }, 2.0, 3.1, { { 0, 0 }, { 2, 3.1 }, { 5, 5 } } },
              { { { 0, 0 }, { 2, 3 } }, 2.0, 2.5, { { 0, 0 }, { 2, 2.5 } } },
              { { { 0, 0 }, { 2, 2 } }, 4.0, 1.0, { { 0, 0 }, { 2, 2 }, { 4, 1 } } },
              { { { 1, 1 }, { 5, 5 } }, 0.5, 0.2, { { 0.5, 0.2 }, { 1, 1 }, { 5, 5 } } },
              { { { 1, 1 } }, 1.0, 4.0, { { 1, 4 } } },
              { { { 0, 0 }, { 1.3, 1.3 } }, 1.2999999999999998, 1.0,
                  { { 0, 0 }, { 1.2999999999999998, 1.0 }, { 1.3, 1.3 } } } };
    for (const auto& [start, x, y, expected] : cases) {
        SCOPED_TRACE(x);
        CPunt* head = BuildCurve(start)->Add(x, y);
        EXPECT_EQ(Collect(head), expected);
        delete head;
    }
}

// Neither the head's input nor an almost equal value removes a point.
TEST(PuntRemove, RemovesOnlyAnExactMatchAfterTheHead)
{
    const Points start = { { 0, 0 }, { 1, 1 }, { 5, 5 } };
    const std::pair<double, Points> cases[] = { { 0.0, start }, { 1.0000000000000002, start },
        { 1.0, { { 0, 0 }, { 5, 5 } } }, { 5.0, { { 0, 0 }, { 1, 1 } } } };
    for (const auto& [x, expected] : cases) {
        CPunt* head = BuildCurve(start);
        head->Remove(x);
        EXPECT_EQ(Collect(head), expected) << x;
        delete head;
    }
}

// Find gives the last point not above the value; FindNear the nearest point
// strictly within the tolerance, a tie going to the higher point (-1: none).
TEST(PuntFind, LastPointNotAboveAndNearestWithStrictTolerance)
{
    CPunt* head = BuildCurve({ { 0, 0 }, { 2, 2 }, { 3, 3 } });
    EXPECT_EQ(head->Find(-0.1), nullptr);
    EXPECT_EQ(head->Find(2.5)->input, 2.0);
    EXPECT_EQ(head->Find(9.0)->input, 3.0);
    const std::tuple<double, double, double> cases[] = { { 2.5, 1.0, 3.0 }, { 2.25, 1.0, 2.0 },
        { 2.5, 0.5, -1 }, { 2.9, 0.2, 3.0 }, { 3.4, 0.5, 3.0 }, { 3.5, 0.5, -1 } };
    for (const auto& [x, tolerance, expected] : cases) {
        const CPunt* found = head->FindNear(x, tolerance);
        EXPECT_EQ(found ? found->input : -1, expected) << x << " within " << tolerance;
    }
    delete head;
}

TEST(PuntLifetime, DestroyingTheHeadFreesALongCurve)
{
    // The sanitizer build reports any point not freed; the length shows that
    // freeing does not recurse once per point.
    CPunt* head = new CPunt(2.0, 0.0);
    for (int i = 199999; i > 0; --i)
        head = head->Add(i * 1e-5, 0.0);
    EXPECT_EQ(CountPoints(head), 200000);
    delete head;
}

} // namespace
