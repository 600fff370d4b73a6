#include "SettingsCode.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsCode, AppliesViewAndBoxType)
{
    struct Case {
        const char* text;
        bool applied;
        int boxType, graphType;
    };
    // The project starts at box type 1 so an unchanged box type shows.
    const Case cases[] = {
        { "12", true, 2, 1 },
        { "2", true, 2, 0 },
        { "10", true, 0, 1 },
        { "7", false, 1, 0 },
        { "13", false, 1, 1 },
        { "-12", false, 1, 1 },
        { "abc", true, 0, 0 },
        { " 12 junk", true, 2, 1 },
        { "99999999999", false, 1, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectState p;
        p.SetBoxType(1);
        p.SetGraphType(c.graphType ? 0 : 1);
        EXPECT_EQ(ApplySettingsCode(c.text, p), c.applied);
        EXPECT_EQ(p.boxType, c.boxType);
        EXPECT_EQ(p.turboEnabled, c.boxType == 2);
        EXPECT_EQ(p.graphType, c.graphType);
        EXPECT_EQ(p.inputOutputView, c.graphType);
        EXPECT_EQ(p.differenceView, 1 - c.graphType);
    }
}

// The two view check boxes act as a radio pair, and the code follows them.
TEST(SettingsCode, FollowsBoxTypeAndViewChanges)
{
    ProjectState p;
    p.SetGraphType(1);
    p.SetBoxType(1);
    EXPECT_EQ(FormatSettingsCode(p), "11");
    p.ChooseDifferenceView();
    p.ChooseDifferenceView();
    EXPECT_EQ(p.inputOutputView, 0);
    EXPECT_EQ(p.differenceView, 1);
    EXPECT_EQ(FormatSettingsCode(p), "1");
    p.SetBoxType(2);
    EXPECT_EQ(FormatSettingsCode(p), "2");
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
