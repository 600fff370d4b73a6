#include "CurveTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The points of a curve, checking on the way that prev mirrors next.
Points Collect(const CPunt* head)
{
    const CPunt* last = nullptr;
    for (const CPunt* p = head; p; last = p, p = p->next)
        EXPECT_EQ(p->prev, last) << "prev does not mirror next at " << p->input;
    return PointsOf(head);
}

TEST(PuntAdd, InsertsSortedAndReplacesEqualInputs)
{
    struct Case {
        const char* name;
        Points start;
        double x, y;
        Points expected;
        bool newHead;
    };
    const Case cases[] = {
        { "between", { { 0, 0 }, { 5, 5 } }, 2.0, 3.1, { { 0, 0 }, { 2, 3.1 }, { 5, 5 } }, false },
        { "same input", { { 0, 0 }, { 2, 3 }, { 5, 5 } }, 2.0, 2.5,
            { { 0, 0 }, { 2, 2.5 }, { 5, 5 } }, false },
        { "after last", { { 0, 0 }, { 2, 2 } }, 4.0, 1.0, { { 0, 0 }, { 2, 2 }, { 4, 1 } }, false },
        { "below head", { { 1, 1 }, { 5, 5 } }, 0.5, 0.2, { { 0.5, 0.2 }, { 1, 1 }, { 5, 5 } },
            true },
        { "one point, equal", { { 1, 1 } }, 1.0, 4.0, { { 1, 4 } }, false },
        { "drifted input is another point", { { 0, 0 }, { 1.3, 1.3 } }, 1.2999999999999998, 1.0,
            { { 0, 0 }, { 1.2999999999999998, 1.0 }, { 1.3, 1.3 } }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPunt* head = BuildCurve(c.start);
        CPunt* result = head->Add(c.x, c.y);
        EXPECT_EQ(result != head, c.newHead);
        EXPECT_EQ(Collect(result), c.expected);
        delete result;
    }
}

TEST(PuntRemove, RemovesOnlyAnExactMatchAfterTheHead)
{
    const Points start = { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 5, 5 } };
    const std::pair<double, Points> cases[] = {
        { 0.0, start }, // the head's input
        { 1.0000000000000002, start }, // almost equal
        { 1.0, { { 0, 0 }, { 2, 2 }, { 5, 5 } } },
        { 5.0, { { 0, 0 }, { 1, 1 }, { 2, 2 } } },
    };
    for (const auto& [x, expected] : cases) {
        SCOPED_TRACE(x);
        CPunt* head = BuildCurve(start);
        head->Remove(x);
        EXPECT_EQ(Collect(head), expected);
        delete head;
    }
}

TEST(PuntFind, ReturnsLastPointNotAboveTheValue)
{
    CPunt* head = BuildCurve({ { 0, 0 }, { 2, 2 }, { 3, 3 } });
    EXPECT_EQ(head->Find(-0.1), nullptr);
    EXPECT_EQ(head->Find(0.0), head);
    EXPECT_EQ(head->Find(2.5)->input, 2.0);
    EXPECT_EQ(head->Find(9.0)->input, 3.0);
    delete head;
}

TEST(PuntFindNear, StrictToleranceAndTiesToTheHigherPoint)
{
    struct Case {
        double x, tolerance;
        double expected; // -1: none
    };
    const Case cases[] = {
        { 2.5, 1.0, 3.0 }, // exact tie
        { 2.25, 1.0, 2.0 }, // nearer left
        { 2.5, 0.5, -1 }, // both exactly one tolerance away
        { 2.9, 0.2, 3.0 }, // only right within
        { 3.4, 0.5, 3.0 }, // right of the last point
        { 3.5, 0.5, -1 }, // right of the last point, exactly the tolerance
    };
    CPunt* head = BuildCurve({ { 0, 0 }, { 2, 2 }, { 3, 3 } });
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " tol=" << c.tolerance);
        const CPunt* found = head->FindNear(c.x, c.tolerance);
        EXPECT_EQ(found ? found->input : -1, c.expected);
    }
    delete head;
}

TEST(PuntLifetime, DestroyingTheHeadFreesALongCurve)
{
    // The sanitizer build reports any point not freed; the length shows that
    // freeing does not recurse once per point.
    CPunt* head = new CPunt(0.0, 0.0);
    CPunt* last = head;
    for (int i = 1; i < 200000; ++i) {
        last->next = new CPunt(i * 1e-5, 0.0);
        last->next->prev = last;
        last = last->next;
    }
    EXPECT_EQ(CountPoints(head), 200000);
    delete head;
}

} // namespace
