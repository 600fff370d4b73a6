#include "UserText.h"

#include <gtest/gtest.h>

namespace {

// The English text is what ramvik-cli prints and scripts read: every part
// lands in its own placeholder, in one pass.
TEST(UserText, EnglishFillsEachPlaceholderOnce)
{
    struct Row {
        const char* what;
        UserText text;
        const char* english;
    };
    const Row rows[] = {
        { "no text", UserText(), "" },
        { "parts out of order", RAMVIK_TR("Test", "%2 before %1").Arg("first").Arg("second"),
            "second before first" },
        { "a part that holds a placeholder stays as it is",
            RAMVIK_TR("Test", "%1 and %2").Arg("100%2").Arg("x"), "100%2 and x" },
        { "a placeholder without a part stays", RAMVIK_TR("Test", "%1 of %2").Arg("one"),
            "one of %2" },
        { "numbers in the C locale",
            RAMVIK_TR("Test", "%1 V, %2 V, %3 ms").Number(1.5).Number(0.4, 2).Number(99999),
            "1.5 V, 0.40 V, 99999 ms" },
        { "a text inside a text",
            RAMVIK_TR("Test", "Failed: %1").Arg(RAMVIK_TR("Test", "cell %1").Arg("7")),
            "Failed: cell 7" },
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.text.English(), row.english) << row.what;
}

} // namespace
