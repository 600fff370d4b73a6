#include "DecimalText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The reader's tables cover numbers in their lines; these are the forms
// between the cracks of the hand-written scanner.
TEST(ProjectFileNumbers, EdgesOfTheDecimalForms)
{
    EXPECT_EQ(ReadDecimalDouble("+.25"), 0.25);
    EXPECT_EQ(ReadDecimalDouble("7."), 7.0);
    EXPECT_EQ(ReadDecimalDouble("1e+"), 1.0);
    EXPECT_EQ(ReadDecimalDouble("2E-1x"), 0.2);
    EXPECT_EQ(ReadDecimalDouble("-."), 0.0);
    EXPECT_EQ(ReadDecimalDouble("infinity"), 0.0);
    EXPECT_EQ(ReadDecimalDouble("1e-400"), 0.0);
    EXPECT_EQ(ReadDecimalDouble("1,5"), 1.0);
    EXPECT_EQ(ReadDecimalDouble(std::string("1.5\0"
                                            "9",
                  5)),
        1.5);
    EXPECT_EQ(ReadDecimalInt("  -12x"), -12);
    EXPECT_EQ(ReadDecimalInt("3.9"), 3);
    EXPECT_EQ(ReadDecimalInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(ReadDecimalInt("-2147483648"), INT_MIN);
}

TEST(ProjectFileNumbers, FixedFormatRoundsLikePrintf)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        { 1.2999999999999998, 1, "1.3" },
        { 1.2999999999999998, 6, "1.300000" },
        { 0.25, 1, "0.2" },
        { 0.35, 1, "0.3" },
        { 4.5, 1, "4.5" },
        { 5.0, 6, "5.000000" },
        { 0.0000005, 6, "0.000000" },
        { -0.04, 1, "-0.0" },
        { 1e20, 1, "100000000000000000000.0" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        char printed[64];
        std::snprintf(printed, sizeof printed, "%.*f", c.decimals, c.value);
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text);
        EXPECT_EQ(FormatFixed(c.value, c.decimals), printed);
    }
}

} // namespace
