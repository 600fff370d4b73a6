#pragma once

#include <string>

// How box values are written in messages, the same in every message: numbers
// in the C locale with up to six significant digits ("1.5", "300"), times as
// minutes and seconds ("0:45").
std::string NumberText(double value);
std::string MinutesSecondsText(long long seconds);
