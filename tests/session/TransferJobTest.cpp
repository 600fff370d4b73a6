// What the session's transfer jobs tell their dialog and the tool besides the
// transfer's own reports: the time left (what a write keeps in the history:
// WriteJournalTest; the cells counted: the dialogs' tests in tests/app).

#include "SessionTestSupport.h"

#include <TransferProgress.h>

namespace {

using namespace std::chrono_literals;

// The time left comes from the rate of the running phase, measured from its
// first cell; the link's opening and a phase before it do not count.
TEST(TransferCells, TimeLeftFollowsTheRateOfThePhase)
{
    const CTimeLeft::Clock::time_point t0 {};
    CTimeLeft left(1000);
    EXPECT_LT(left.Update(10, t0 + 5s), 0) << "the first cell of a phase says nothing";
    EXPECT_DOUBLE_EQ(left.Update(110, t0 + 6s), 8.9) << "100 cells a second, 890 to go";
    EXPECT_DOUBLE_EQ(left.Update(1000, t0 + 7s), 0.0);

    left.Restart(); // a slower phase: 10 cells a second
    EXPECT_LT(left.Update(500, t0 + 60s), 0);
    EXPECT_DOUBLE_EQ(left.Update(510, t0 + 61s), 49.0);
    EXPECT_DOUBLE_EQ(left.Update(1200, t0 + 62s), 0.0) << "past the total";
}

} // namespace
