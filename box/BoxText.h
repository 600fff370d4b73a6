#pragma once

#include <UserText.h>

#include <string>
#include <vector>

// How box values are written in messages, the same in every message: times
// as minutes and seconds ("0:45"); numbers go into a text as its Number parts.
std::string MinutesSecondsText(long long seconds);

// A list as one text: the lines joined by the pattern, a marked "%1" SEPARATOR
// "%2" ("%1\n%2" puts each on a line of its own), each line translated on its
// own; empty for no lines. The joins nest as a balanced tree, so a list of a
// million lines (a refused file's points) is only twenty texts deep.
UserText JoinedLines(const std::vector<UserText>& lines, const UserText& pattern);
