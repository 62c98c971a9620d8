// The date line of the dial: "dd mmm yyyy" with the program's own month abbreviations.
#pragma once

#include <string>
#include <string_view>

#include "text/ui_language.hpp"

namespace mr {

// The abbreviation of month 1 to 12 in the given language; out-of-range months give "".
std::u16string_view MonthAbbreviation(UiLanguage language, int month);

// Two-digit day, blank, abbreviation, blank, the year with at least four digits. The system
// locale's month names never reach it, so a date reads the same on every system.
std::u16string DateCaption(UiLanguage language, int year, int month, int day);

}  // namespace mr
