#include "Frames.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

// A whole number of the frame's value field; values that do not fit an int
// (never sent for a project the box accepts) are held at its limits.
long long ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > 2147483647.0)
        return 2147483647;
    if (value < -2147483648.0)
        return -2147483648LL;
    return static_cast<long long>(value);
}

std::string WriteFrame(int cell, long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "#%04d%04lld;", cell, value);
    return text;
}

} // namespace

int RoundedFrameValue(double value)
{
    // std::round takes halves away from zero, unlike printf's "%.0f".
    return static_cast<int>(ClampToInt(std::round(value)));
}

std::string RoundedWriteFrame(int cell, double value)
{
    return WriteFrame(cell, RoundedFrameValue(value));
}

std::string TruncatedWriteFrame(int cell, double value)
{
    return WriteFrame(cell, ClampToInt(std::trunc(value)));
}

std::string ReadFrame(int cell)
{
    char text[32];
    std::snprintf(text, sizeof text, "%%%04d0000;", cell);
    return text;
}

bool ParseAnswer(std::string_view answer, int& value)
{
    if (answer.size() != kReadAnswerSize)
        return false;
    std::size_t i = 0;
    while (i < answer.size() && answer[i] == ' ')
        ++i;
    bool negative = false;
    if (i < answer.size() && (answer[i] == '-' || answer[i] == '+')) {
        negative = answer[i] == '-';
        ++i;
    }
    if (i == answer.size())
        return false; // no digit at all
    int number = 0;
    for (; i < answer.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(answer[i])))
            return false;
        number = number * 10 + (answer[i] - '0');
    }
    value = negative ? -number : number;
    return true;
}
