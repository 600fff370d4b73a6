#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Locale-independent decimal numbers in text, as the project file and the
// settings code store them. A point is always the decimal separator.

// The integer that starts at the column: leading blanks are skipped, then an
// optional sign and digits. 0 when no number stands there, also when the
// column lies beyond the end of the text. Saturates at the int range.
int ReadDecimalInt(std::string_view text, std::size_t column = 0);

// The decimal number that starts at the column: leading blanks, an optional
// sign, digits with an optional point, an optional exponent. 0 when no number
// stands there or the column lies beyond the end. "nan", "inf" and hex forms
// are not decimal numbers; a value too large for a double reads as 0 too, so
// the result is always finite.
double ReadDecimalDouble(std::string_view text, std::size_t column = 0);

// The column just after the number that ReadDecimalInt (or ReadDecimalDouble)
// reads at the column; npos when no number stands there.
std::size_t DecimalIntEnd(std::string_view text, std::size_t column);
std::size_t DecimalDoubleEnd(std::string_view text, std::size_t column);

// The value with the given number of decimals, as printf's "%.*f" prints it
// in the C locale (1.2999999999999998 with one decimal gives "1.3").
std::string FormatFixed(double value, int decimals);
