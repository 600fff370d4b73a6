#include "BoxText.h"

#include <locale>
#include <sstream>

std::string NumberText(double value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

std::string MinutesSecondsText(long long seconds)
{
    std::string sign = seconds < 0 ? "-" : "";
    long long magnitude = seconds < 0 ? -seconds : seconds;
    std::string secs = std::to_string(magnitude % 60);
    return sign + std::to_string(magnitude / 60) + ":" + (secs.size() < 2 ? "0" : "") + secs;
}
