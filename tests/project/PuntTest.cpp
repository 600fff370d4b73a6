#include "Punt.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

CPunt* Build(const Points& points)
{
    CPunt* head = new CPunt(points.front().first, points.front().second);
    for (size_t i = 1; i < points.size(); ++i)
        head = head->Add(points[i].first, points[i].second);
    return head;
}

Points Collect(const CPunt* head)
{
    Points out;
    const CPunt* last = nullptr;
    for (const CPunt* p = head; p; p = p->next) {
        EXPECT_EQ(p->prev, last) << "prev does not mirror next at " << p->input;
        out.emplace_back(p->input, p->output);
        last = p;
    }
    return out;
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
        { "same input", { { 0, 0 }, { 2, 3.1 }, { 5, 5 } }, 2.0, 2.5,
            { { 0, 0 }, { 2, 2.5 }, { 5, 5 } }, false },
        { "after last", { { 0, 0 }, { 2, 2 } }, 4.0, 1.0, { { 0, 0 }, { 2, 2 }, { 4, 1 } }, false },
        { "below head", { { 1, 1 }, { 5, 5 } }, 0.5, 0.2, { { 0.5, 0.2 }, { 1, 1 }, { 5, 5 } },
            true },
        { "one point, above", { { 1, 1 } }, 3.0, 2.0, { { 1, 1 }, { 3, 2 } }, false },
        { "one point, below", { { 1, 1 } }, 0.0, 0.3, { { 0, 0.3 }, { 1, 1 } }, true },
        { "one point, equal", { { 1, 1 } }, 1.0, 4.0, { { 1, 4 } }, false },
        { "drifted input is another point", { { 0, 0 }, { 1.3, 1.3 }, { 5, 5 } },
            1.2999999999999998, 1.0,
            { { 0, 0 }, { 1.2999999999999998, 1.0 }, { 1.3, 1.3 }, { 5, 5 } }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPunt* head = Build(c.start);
        CPunt* result = head->Add(c.x, c.y);
        EXPECT_EQ(result != head, c.newHead);
        EXPECT_EQ(Collect(result), c.expected);
        delete result;
    }
}

TEST(PuntRemove, RemovesOnlyAnExactMatchAfterTheHead)
{
    struct Case {
        const char* name;
        double x;
        Points expected;
    };
    const Points start = { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 5, 5 } };
    const Case cases[] = {
        { "head input", 0.0, start },
        { "absent value between points", 1.5, start },
        { "inner point", 1.0, { { 0, 0 }, { 2, 2 }, { 5, 5 } } },
        { "last point", 5.0, { { 0, 0 }, { 1, 1 }, { 2, 2 } } },
        { "above all", 6.0, start },
        { "almost equal", 1.0000000000000002, start },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPunt* head = Build(start);
        head->Remove(c.x);
        EXPECT_EQ(Collect(head), c.expected);
        delete head;
    }
}

TEST(PuntFind, ReturnsLastPointNotAboveTheValue)
{
    CPunt* head = Build({ { 0, 0 }, { 2, 2 }, { 3, 3 } });
    EXPECT_EQ(head->Find(-0.1), nullptr);
    EXPECT_EQ(head->Find(0.0), head);
    EXPECT_EQ(head->Find(2.5)->input, 2.0);
    EXPECT_EQ(head->Find(3.0)->input, 3.0);
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
        { 2.75, 1.0, 3.0 }, // nearer right
        { 2.5, 0.5, -1 }, // both exactly one tolerance away
        { 2.1, 0.2, 2.0 }, // only left within
        { 2.9, 0.2, 3.0 }, // only right within
        { 3.4, 0.5, 3.0 }, // right of the last point
        { 3.5, 0.5, -1 }, // right of the last point, exactly the tolerance
        { 1.0, 0.5, -1 }, // between points, neither near
    };
    CPunt* head = Build({ { 0, 0 }, { 2, 2 }, { 3, 3 } });
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " tol=" << c.tolerance);
        const CPunt* found = head->FindNear(c.x, c.tolerance);
        if (c.expected < 0)
            EXPECT_EQ(found, nullptr);
        else if (found)
            EXPECT_EQ(found->input, c.expected);
        else
            ADD_FAILURE() << "no point found";
    }
    delete head;
}

TEST(PuntLifetime, DestroyingTheHeadFreesALongCurve)
{
    // The sanitizer build reports any point that is not freed; the length
    // also shows that freeing does not recurse once per point.
    CPunt* head = new CPunt(0.0, 0.0);
    CPunt* last = head;
    for (int i = 1; i < 200000; ++i) {
        last->next = new CPunt(i * 1e-5, 0.0);
        last->next->prev = last;
        last = last->next;
    }
    EXPECT_EQ(CountPoints(head), 200000);
    EXPECT_EQ(head->Find(2.0)->input, last->input);
    delete head;
}

} // namespace
