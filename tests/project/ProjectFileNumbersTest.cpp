#include "DecimalText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(ProjectFileNumbers, DecimalDoubles)
{
    struct Case {
        std::string text;
        std::size_t column;
        double value;
    };
    const Case cases[] = {
        { "1.500000", 0, 1.5 },
        { "Volt = 1.3", 7, 1.3 },
        { "Volt = 1.3", 10, 0.0 },
        { "Volt = 1.3", 500, 0.0 },
        { " \t-2.5x", 0, -2.5 },
        { "+.25", 0, 0.25 },
        { "7.", 0, 7.0 },
        { "1e2", 0, 100.0 },
        { "1e", 0, 1.0 },
        { "1e+", 0, 1.0 },
        { "2E-1", 0, 0.2 },
        { ".", 0, 0.0 },
        { "-", 0, 0.0 },
        { "nan", 0, 0.0 },
        { "-inf", 0, 0.0 },
        { "infinity", 0, 0.0 },
        { "0x1p3", 0, 0.0 },
        { "1e309", 0, 0.0 },
        { "1e-400", 0, 0.0 },
        { "1,5", 0, 1.0 },
        { std::string("1.5\0"
                      "9",
              5),
            0, 1.5 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDecimalDouble(c.text, c.column), c.value);
    }
}

TEST(ProjectFileNumbers, DecimalInts)
{
    struct Case {
        std::string text;
        std::size_t column;
        int value;
    };
    const Case cases[] = {
        { "Curve Delay = 200 ", 14, 200 },
        { "Start Delay = 1 min 0 sec", 20, 0 },
        { "Start Delay = 1 min 7 sec", 20, 7 },
        { "Start Delay = 1", 20, 0 },
        { "  -12x", 0, -12 },
        { "+3", 0, 3 },
        { "3.9", 0, 3 },
        { "x3", 0, 0 },
        { "", 0, 0 },
        { "99999999999999999999", 0, INT_MAX },
        { "-99999999999999999999", 0, INT_MIN },
        { "-2147483648", 0, INT_MIN },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDecimalInt(c.text, c.column), c.value);
    }
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
