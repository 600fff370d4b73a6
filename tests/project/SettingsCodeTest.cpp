#include "SettingsCode.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Code, applied, box type, graph type. The project starts at box type 1 and
// the other view, so what a code leaves alone shows.
TEST(SettingsCode, AppliesViewAndBoxType)
{
    const std::tuple<const char*, bool, int, int> cases[]
        = { { "12", true, 2, 1 }, { "2", true, 2, 0 }, { "10", true, 0, 1 }, { "7", false, 1, 0 },
              { "13", false, 1, 1 }, { "-12", false, 1, 1 }, { "abc", true, 0, 0 },
              { " 12 junk", true, 2, 1 }, { "99999999999", false, 1, 1 } };
    for (const auto& [text, applied, boxType, graphType] : cases) {
        SCOPED_TRACE(text);
        ProjectState p;
        p.SetBoxType(1);
        p.SetGraphType(1 - graphType);
        EXPECT_EQ(ApplySettingsCode(text, p), applied);
        EXPECT_EQ(p.boxType, boxType);
        EXPECT_EQ(p.turboEnabled, boxType == 2);
        EXPECT_EQ(p.inputOutputView, graphType);
        EXPECT_EQ(p.differenceView, 1 - graphType);
    }
}

// The two view check boxes act as a radio pair, and the code follows them.
TEST(SettingsCode, FollowsBoxTypeAndViewChanges)
{
    ProjectState p;
    p.SetBoxType(1);
    p.ChooseDifferenceView();
    p.ChooseDifferenceView();
    EXPECT_EQ(p.inputOutputView, 0);
    EXPECT_EQ(FormatSettingsCode(p), "1");
    p.SetBoxType(2);
    p.ChooseInputOutputView();
    EXPECT_EQ(p.differenceView, 0);
    EXPECT_EQ(FormatSettingsCode(p), "12");
    for (const char* code : { "0", "1", "2", "10", "11", "12" }) {
        ProjectState q;
        ApplySettingsCode(code, q);
        EXPECT_EQ(FormatSettingsCode(q), code);
    }
}

} // namespace
