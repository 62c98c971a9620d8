// The rhythm model: seven activeness values and seven day factors from one clock reading.
#pragma once

#include "model/memory_type.hpp"
#include "model/moment.hpp"

namespace mr {

// 2 pi / 7 rounded to a 64-bit significand: the step between the phases of the types.
// Stored, not derived from pi, so that its bit pattern is fixed (86 02 0A DD DD F9 C8 E5 FE 3F).
inline constexpr long double kPhaseStep = 0xE5C8F9DDDD0A0286p-64L;

bool IsLeapYear(int year);

// 1 for 1 January up to 365 or 366 for 31 December. The month and day are clamped into the
// calendar, so a reading the system could never give still yields a day of its year.
int DayOfYear(int year, int month, int day);

int YearLength(int year);

inline constexpr int kMinutesPerDay = 1440;

// hour * 60 + minute, 0 to 1439. The model, the hand and the time caption all take the minute from
// here, so that they cannot disagree; an impossible reading is kept within the day.
int MinuteOfDay(const LocalMoment& moment);

// Seconds play no part: the snapshot changes once a minute.
RhythmSnapshot EvaluateRhythm(const LocalMoment& moment);

}  // namespace mr
