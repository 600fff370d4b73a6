#include "DecimalText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

// The reader's tables cover numbers in their lines; these are the forms
// between the cracks of the hand-written scanner.
TEST(ProjectFileNumbers, EdgesOfTheDecimalForms)
{
    const std::pair<std::string, double> doubles[] = { { "+.25", 0.25 }, { "1e+", 1.0 },
        { "2E-1x", 0.2 }, { "-.", 0.0 }, { "infinity", 0.0 }, { "1e-400", 0.0 }, { "1,5", 1.0 },
        { std::string("1.5\0"
                      "9",
              5),
            1.5 } };
    for (const auto& [text, value] : doubles)
        EXPECT_EQ(ReadDecimalDouble(text), value) << text;
    EXPECT_EQ(ReadDecimalInt("  -12x"), -12);
    EXPECT_EQ(ReadDecimalInt("3.9"), 3);
    EXPECT_EQ(ReadDecimalInt("-99999999999999999999"), INT_MIN);
}

TEST(ProjectFileNumbers, FixedFormatRoundsLikePrintf)
{
    const std::pair<double, int> cases[] = { { 1.2999999999999998, 1 }, { 0.25, 1 }, { 0.35, 1 },
        { 0.0000005, 6 }, { -0.04, 1 }, { 1e20, 1 } };
    for (const auto& [value, decimals] : cases) {
        char printed[64];
        std::snprintf(printed, sizeof printed, "%.*f", decimals, value);
        EXPECT_EQ(FormatFixed(value, decimals), printed);
    }
}

} // namespace
