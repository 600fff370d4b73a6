#include "BoxText.h"

std::string MinutesSecondsText(long long seconds)
{
    std::string sign = seconds < 0 ? "-" : "";
    long long magnitude = seconds < 0 ? -seconds : seconds;
    std::string secs = std::to_string(magnitude % 60);
    return sign + std::to_string(magnitude / 60) + ":" + (secs.size() < 2 ? "0" : "") + secs;
}

namespace {

UserText JoinedRange(
    const std::vector<UserText>& lines, std::size_t begin, std::size_t end, const UserText& pattern)
{
    if (end - begin == 1)
        return lines[begin];
    const std::size_t middle = begin + (end - begin) / 2;
    return UserText(pattern)
        .Arg(JoinedRange(lines, begin, middle, pattern))
        .Arg(JoinedRange(lines, middle, end, pattern));
}

} // namespace

UserText JoinedLines(const std::vector<UserText>& lines, const UserText& pattern)
{
    return lines.empty() ? UserText() : JoinedRange(lines, 0, lines.size(), pattern);
}
