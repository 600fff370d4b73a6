#include <Frames.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Frames, DataCellsRoundHalvesAwayFromZero)
{
    struct Case {
        int cell;
        double value;
        const char* frame;
    } cases[] = {
        { 253, 76.5, "#02530077;" }, // printf("%.0f") would give 0076
        { 127, 229.5, "#01270230;" },
        { 20, 4.6, "#00200005;" },
        { 20, 4.4, "#00200004;" },
        { 8, 251.0, "#00080251;" },
        { 1, 44.999999999, "#00010045;" },
        { 3, 74.99999999999999, "#00030075;" },
        { 0, 0.0, "#00000000;" },
        { 10, -0.5, "#0010-001;" },
        { 10, -2.5, "#0010-003;" },
        { 254, 240.0, "#02540240;" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundedWriteFrame(c.cell, c.value), c.frame) << c.value;
}

TEST(Frames, TableCellsTruncateTowardZero)
{
    struct Case {
        int cell;
        double value;
        const char* frame;
    } cases[] = {
        { 300, 4.6, "#03000004;" },
        { 300, -5.0, "#0300-005;" },
        { 300, -2.7, "#0300-002;" },
        { 300, -0.9, "#03000000;" },
        { 766, 254.99, "#07660254;" },
        { 0, 213, "#00000213;" },
        { 400, -999, "#0400-999;" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TruncatedWriteFrame(c.cell, c.value), c.frame) << c.value;
}

TEST(Frames, ValuesBeyondFourCharactersStayWholeAndDefined)
{
    EXPECT_EQ(TruncatedWriteFrame(300, -1000), "#0300-1000;");
    EXPECT_EQ(RoundedWriteFrame(1, 12345.4), "#000112345;");
    EXPECT_EQ(RoundedWriteFrame(1, std::numeric_limits<double>::quiet_NaN()), "#00010000;");
    EXPECT_EQ(RoundedWriteFrame(1, 1e300), "#00012147483647;");
}

TEST(Frames, ReadFrames)
{
    EXPECT_EQ(ReadFrame(255), "%02550000;");
    EXPECT_EQ(ReadFrame(0), "%00000000;");
    EXPECT_EQ(ReadFrame(126), "%01260000;");
}

TEST(Frames, AnswersReadAsLeadingIntegers)
{
    struct Case {
        const char* answer;
        int value;
    } cases[] = {
        { "0213", 213 },
        { "0132", 132 },
        { "0000", 0 },
        { "ABCD", 0 },
        { "-005", -5 },
        { " 12x", 12 },
        { "+7  ", 7 },
        { "9999", 9999 },
        { "12-3", 12 },
        { "", 0 },
        { "-", 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseAnswer(c.answer), c.value) << c.answer;
}
