#include "DecimalText.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips the blanks from pos and reads an optional sign; true for a minus.
bool SkipBlanksAndSign(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        return text[pos++] == '-';
    return false;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// Where the decimal number at the column lies: start is its first digit (or
// point), end just after it; false when no digit stands there.
bool ScanDouble(
    std::string_view text, std::size_t column, std::size_t& start, std::size_t& end, bool& negative)
{
    if (column >= text.size())
        return false;
    std::size_t pos = column;
    negative = SkipBlanksAndSign(text, pos);
    start = pos;
    end = SkipDigits(text, pos);
    std::size_t digits = end - start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        digits += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digits == 0)
        return false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return true;
}

} // namespace

std::size_t DecimalIntEnd(std::string_view text, std::size_t column)
{
    if (column >= text.size())
        return std::string_view::npos;
    std::size_t pos = column;
    SkipBlanksAndSign(text, pos);
    const std::size_t end = SkipDigits(text, pos);
    return end > pos ? end : std::string_view::npos;
}

std::size_t DecimalDoubleEnd(std::string_view text, std::size_t column)
{
    std::size_t start = 0;
    std::size_t end = 0;
    bool negative = false;
    return ScanDouble(text, column, start, end, negative) ? end : std::string_view::npos;
}

int ReadDecimalInt(std::string_view text, std::size_t column)
{
    if (column >= text.size())
        return 0;
    std::size_t pos = column;
    const bool negative = SkipBlanksAndSign(text, pos);
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

double ReadDecimalDouble(std::string_view text, std::size_t column)
{
    std::size_t start = 0;
    std::size_t end = 0;
    bool negative = false;
    if (!ScanDouble(text, column, start, end, negative))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(
        text.data() + start, text.data() + end, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

std::string FormatFixed(double value, int decimals)
{
    // Enough for any finite double in fixed notation.
    char buffer[400];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}
