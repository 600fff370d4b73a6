#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The box's text frames. Every frame is ten characters when its value fits
// four characters (0 to 9999, -999 to -1): a marker, the cell as four digits,
// a four-character value with a minus sign inside it, and ";".
//   write-cell "#CCCCVVVV;"  answered with two characters ("OK")
//   read-cell  "%CCCC0000;"  answered with the value as four characters

// A write frame for the data cells 0 to 254: the value rounded to the nearest
// whole number, halves away from zero (76.5 travels as 0077).
std::string RoundedWriteFrame(int cell, double value);

// A write frame for the handshake and for cells 256 to 766: the value
// truncated toward zero (-2.7 travels as -002).
std::string TruncatedWriteFrame(int cell, double value);

std::string ReadFrame(int cell);

// A read answer as the box's value: leading blanks skipped, an optional
// sign, digits up to the first other character; no digits give 0.
int ParseAnswer(std::string_view answer);

constexpr std::size_t kWriteAnswerSize = 2;
constexpr std::size_t kReadAnswerSize = 4;
