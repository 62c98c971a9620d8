#include "model/rhythm_model.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/extended_math.hpp"

namespace mr {

namespace {

constexpr std::array<std::uint16_t, 2> kYearLengths = {365, 366};

constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};
constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// D / L * pi * 2, in this order, held as a single: the day angle and the time angle are both
// made this way.
float TurnAngle(int part, int whole) {
    const long double fraction = static_cast<long double>(part) / static_cast<long double>(whole);
    return static_cast<float>(fraction * kPi * 2);
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int YearLength(int year) {
    return kYearLengths[IsLeapYear(year) ? 1 : 0];
}

int DayOfYear(int year, int month, int day) {
    const int monthIndex = std::clamp(month, 1, 12) - 1;
    const bool leap = IsLeapYear(year);
    const int monthLength =
        kDaysInMonth[static_cast<std::size_t>(monthIndex)] + (leap && monthIndex == 1 ? 1 : 0);
    const int dayOfMonth = std::clamp(day, 1, monthLength);
    return kDaysBeforeMonth[static_cast<std::size_t>(monthIndex)] + dayOfMonth +
           (leap && monthIndex > 1 ? 1 : 0);
}

int MinuteOfDay(const LocalMoment& moment) {
    return std::clamp(moment.hour, 0, 23) * 60 + std::clamp(moment.minute, 0, 59);
}

RhythmSnapshot EvaluateRhythm(const LocalMoment& moment) {
    const ExtendedPrecisionScope precision;

    const float dayAngle =
        TurnAngle(DayOfYear(moment.year, moment.month, moment.day), YearLength(moment.year));
    const float timeAngle = TurnAngle(MinuteOfDay(moment), kMinutesPerDay);

    RhythmSnapshot snapshot;
    for (std::size_t i = 0; i < kMemoryTypeCount; ++i) {
        // Counting the phases down makes the types peak in catalogue order, a seventh of a day
        // apart: type i's wave is highest at minute 1440 * (i + 1) / 7, the motorical type's at
        // about 03:26 and the world-outlooking type's, with phase 0, at midnight.
        const long double phase = static_cast<long double>(6 - static_cast<int>(i)) * kPhaseStep;
        const auto dayFactor = static_cast<double>(ExtCos(phase + dayAngle) + 1);
        const long double timeFactor = ExtCos(phase + timeAngle) + 1;
        const auto product = static_cast<double>(timeFactor * dayFactor);
        snapshot.dayFactors[i] = dayFactor;
        // Each factor lies in 0..2, so the product lies in 0..4 and 25 times it is a percentage;
        // truncated, it is 100 only when both waves are exactly at their peak.
        snapshot.activeness[i] = static_cast<Activeness>(static_cast<long double>(product) * 25);
    }
    return snapshot;
}

}  // namespace mr
