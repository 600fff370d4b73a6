#include "ProjectState.h"

#include <cctype>
#include <cmath>
#include <string>

// Values typed into the panel's fields. Each goes through the change the
// arrows make, so a typed value and the same value reached by clicks leave
// the same project; what the arrows cannot reach is refused with the reason.

namespace {

// The arrows step the voltages by 0.1 V and the box stores them in tenths.
constexpr double kVoltageStep = 0.1;
constexpr int kCurveDelayStep = 20; // ms per 0.1 V
constexpr int kLongestCurveDelay = 500;
constexpr int kLongestStartDelay = 4 * 60; // seconds

// The value as a whole number of tenths of a volt, or nothing when it lies
// between two tenths (beyond the rounding a decimal text brings).
std::optional<double> OnVoltageStep(double volts)
{
    const double tenths = std::round(volts / kVoltageStep);
    if (std::abs(volts / kVoltageStep - tenths) > 1e-6)
        return std::nullopt;
    return tenths / 10.0;
}

bool Digits(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<int> ParseMinutesSeconds(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view minutes = Trimmed(text.substr(0, colon));
    const std::string_view seconds = Trimmed(text.substr(colon + 1));
    if (!Digits(minutes) || !Digits(seconds) || seconds.size() > 2)
        return std::nullopt;
    const int m = std::stoi(std::string(minutes));
    const int s = std::stoi(std::string(seconds));
    if (s >= 60)
        return std::nullopt;
    return m * 60 + s;
}

UserText ProjectState::TypeStartVoltage(double volts)
{
    const std::optional<double> value = OnVoltageStep(volts);
    if (!std::isfinite(volts) || volts < 0.0 || volts > 5.0)
        return RAMVIK_TR("ProjectState", "The start voltage lies between 0.0 V and 5.0 V.");
    if (!value)
        return RAMVIK_TR("ProjectState", "The start voltage goes in steps of 0.1 V.");
    if (*value > stopVoltage)
        return RAMVIK_TR(
            "ProjectState", "The start voltage cannot lie above the stop voltage (%1 V).")
            .Number(stopVoltage, 1);
    if (*value != startVoltage)
        MoveStartVoltageTo(*value);
    return UserText();
}

UserText ProjectState::TypeStopVoltage(double volts)
{
    const std::optional<double> value = OnVoltageStep(volts);
    if (!std::isfinite(volts) || volts < 0.0 || volts > 5.0)
        return RAMVIK_TR("ProjectState", "The stop voltage lies between 0.0 V and 5.0 V.");
    if (!value)
        return RAMVIK_TR("ProjectState", "The stop voltage goes in steps of 0.1 V.");
    if (*value < startVoltage)
        return RAMVIK_TR(
            "ProjectState", "The stop voltage cannot lie below the start voltage (%1 V).")
            .Number(startVoltage, 1);
    if (*value != stopVoltage)
        MoveStopVoltageTo(*value);
    return UserText();
}

UserText ProjectState::TypeStartDelay(int seconds)
{
    if (seconds < 0 || seconds > kLongestStartDelay)
        return RAMVIK_TR("ProjectState", "The start delay lies between 0:00 and 4:00.");
    startDelayMin = seconds / 60;
    startDelaySec = seconds % 60;
    return UserText();
}

UserText ProjectState::TypeCurveDelay(int milliseconds)
{
    if (milliseconds < 0 || milliseconds > kLongestCurveDelay)
        return RAMVIK_TR("ProjectState", "The curve delay lies between 0 ms and 500 ms.");
    if (milliseconds % kCurveDelayStep != 0)
        return RAMVIK_TR("ProjectState", "The curve delay goes in steps of 20 ms.");
    curveDelay = milliseconds;
    return UserText();
}
