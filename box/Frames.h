#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The box's text frames. Every frame is ten characters when its value fits
// four characters (0 to 9999, -999 to -1): a marker, the cell as four digits,
// a four-character value with a minus sign inside it, and ";". A frame of
// another length never reaches the box (ExchangeFrame refuses it): the box
// would take its tail for the start of the next frame.
//   write-cell "#CCCCVVVV;"  answered with two characters ("OK")
//   read-cell  "%CCCC0000;"  answered with the value as four characters
constexpr std::size_t kFrameSize = 10;

// The whole number a data cell 0 to 254 travels as: the value rounded to the
// nearest whole number, halves away from zero (76.5 travels as 77). Values
// beyond an int's range are held at its limits, NaN is 0.
int RoundedFrameValue(double value);

// A write frame for the data cells 0 to 254, with RoundedFrameValue.
std::string RoundedWriteFrame(int cell, double value);

// A write frame for the handshake and for cells 256 to 766: the value
// truncated toward zero (-2.7 travels as -002).
std::string TruncatedWriteFrame(int cell, double value);

std::string ReadFrame(int cell);

// A read answer as the box's value. It counts only when its four characters
// are leading blanks, an optional sign and at least one digit, which is what
// a box that sends decimal numbers sends; anything else (noise, an answer
// shifted by a stray byte) gives false.
bool ParseAnswer(std::string_view answer, int& value);

constexpr std::size_t kWriteAnswerSize = 2;
constexpr std::size_t kReadAnswerSize = 4;
