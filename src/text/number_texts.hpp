// The texts of the dial that are written in digits: the date and the time in its middle, the hour
// labels and the badges' percentages. One formatter writes every number, so that they all read
// alike.
#pragma once

#include <string>
#include <string_view>

#include "model/memory_type.hpp"
#include "model/moment.hpp"
#include "text/ui_language.hpp"

namespace mr {

// The abbreviation of month 1 to 12 in the given language; out-of-range months give "".
std::u16string_view MonthAbbreviation(UiLanguage language, int month);

// Two-digit day, blank, abbreviation, blank, the year with at least four digits. The system
// locale's month names never reach it, so a date reads the same on every system.
std::u16string DateCaption(UiLanguage language, int year, int month, int day);

// "HH", the separator, "mm", from the moment's minute of the day, the one the hand points at.
std::u16string TimeCaption(const LocalMoment& moment, char16_t separator);

// An hour of the 24-hour face in two digits, "00" to "23".
std::u16string HourLabel(int hour);

// The activeness in decimal, without leading zeros, followed by the percent sign.
std::u16string PercentageText(Activeness activeness);

}  // namespace mr
