#include "model/rhythm_model.hpp"

#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "model/extended_math.hpp"

namespace mr {
namespace {

LocalMoment At(int year, int month, int day, int hour, int minute) {
    return LocalMoment{year, month, day, hour, minute, 0};
}

struct WorkedMoment {
    LocalMoment moment;
    ActivenessSet expected;
};

TEST(RhythmModel, WorkedMomentsGiveTheirActivenessSets) {
    const std::array<WorkedMoment, 6> cases = {{
        {At(2025, 1, 1, 0, 0), {66, 15, 0, 0, 14, 65, 99}},
        {At(2024, 2, 29, 6, 30), {84, 85, 35, 2, 0, 2, 32}},
        {At(2025, 4, 10, 12, 0), {15, 61, 74, 33, 2, 1, 0}},
        {At(2026, 12, 8, 6, 15), {55, 20, 0, 5, 1, 8, 44}},
        {At(2023, 12, 31, 0, 0), {65, 15, 0, 0, 15, 65, 99}},
        {At(2024, 12, 31, 23, 59), {65, 15, 0, 0, 15, 66, 99}},
    }};
    for (const WorkedMoment& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.moment.year << '-' << c.moment.month << '-' << c.moment.day << ' '
                     << c.moment.hour << ':' << c.moment.minute);
        EXPECT_EQ(EvaluateRhythm(c.moment).activeness, c.expected);
    }
}

TEST(RhythmModel, SecondsDoNotEnter) {
    LocalMoment early = At(2025, 4, 10, 12, 0);
    LocalMoment late = early;
    late.second = 59;
    const RhythmSnapshot a = EvaluateRhythm(early);
    const RhythmSnapshot b = EvaluateRhythm(late);
    EXPECT_EQ(a.activeness, b.activeness);
    EXPECT_EQ(a.dayFactors, b.dayFactors);
}

TEST(RhythmModel, PhaseStepHasItsStoredBitPattern) {
    const std::array<unsigned char, 10> expected = {0x86, 0x02, 0x0A, 0xDD, 0xDD,
                                                    0xF9, 0xC8, 0xE5, 0xFE, 0x3F};
    std::array<unsigned char, 10> bytes{};
    const long double step = kPhaseStep;
    std::memcpy(bytes.data(), &step, bytes.size());
    EXPECT_EQ(bytes, expected);
}

TEST(RhythmModel, YearEndPeakStopsAt99BecauseTheDayAngleIsASingle) {
    const RhythmSnapshot snapshot = EvaluateRhythm(At(2023, 12, 31, 0, 0));
    const double worldOutlooking = snapshot.dayFactors[Index(MemoryType::WorldOutlooking)];
    // The single-precision day angle lies just past a full turn, so the cosine is just below 1.
    EXPECT_LT(worldOutlooking, 2.0);
    EXPECT_NEAR(2.0 - worldOutlooking, 1.5e-14, 0.2e-14);
    EXPECT_EQ(snapshot.activeness[Index(MemoryType::WorldOutlooking)], 99);

    // Held in double instead, the angle is so close to 2 pi that the factor rounds to exactly 2
    // and the activeness would reach 100.
    const ExtendedPrecisionScope precision;
    const auto doubleAngle = static_cast<double>(365.0L / 365.0L * kPi * 2);
    const auto doubleFactor = static_cast<double>(ExtCos(doubleAngle) + 1);
    EXPECT_EQ(doubleFactor, 2.0);
    EXPECT_EQ(static_cast<int>(static_cast<long double>(doubleFactor * 2.0) * 25), 100);
}

TEST(RhythmModel, LastDayOfTheYearHasPairedDayFactors) {
    for (const LocalMoment& moment : {At(2023, 12, 31, 0, 0), At(2024, 12, 31, 13, 7)}) {
        const DayFactorSet f = EvaluateRhythm(moment).dayFactors;
        // Equal up to the single-precision angle's step past a full turn.
        EXPECT_NEAR(f[0], f[5], 1e-6);
        EXPECT_NEAR(f[1], f[4], 1e-6);
        EXPECT_NEAR(f[2], f[3], 1e-6);
        EXPECT_NEAR(f[0], 1.62, 0.01);
        EXPECT_NEAR(f[1], 0.78, 0.01);
        EXPECT_NEAR(f[2], 0.10, 0.01);
    }
}

TEST(RhythmModel, FirstOfJanuaryIsDayOneNotDayZero) {
    const DayFactorSet f = EvaluateRhythm(At(2025, 1, 1, 0, 0)).dayFactors;
    // Day 1 of 365 puts the world-outlooking type a little past its peak.
    EXPECT_NEAR(2.0 - f[Index(MemoryType::WorldOutlooking)], 1.5e-4, 0.1e-4);
    EXPECT_NEAR(f[Index(MemoryType::Motorical)], 1.64, 0.01);
}

TEST(RhythmModel, NoonTimeAngleIsJustPastPi) {
    const RhythmSnapshot snapshot = EvaluateRhythm(At(2025, 6, 21, 12, 0));
    EXPECT_EQ(snapshot.activeness[Index(MemoryType::WorldOutlooking)], 0);
}

TEST(RhythmModel, ActivenessIsTruncatedNotRounded) {
    // On 10 April 2025 at 12:00 the logical type's product times 25 is 33.6: rounding would
    // show 34.
    const LocalMoment moment = At(2025, 4, 10, 12, 0);
    const RhythmSnapshot snapshot = EvaluateRhythm(moment);
    const std::size_t logical = Index(MemoryType::Logical);
    const ExtendedPrecisionScope precision;
    const float timeAngle = static_cast<float>(720.0L / 1440 * kPi * 2);
    const long double timeFactor = ExtCos(3 * kPhaseStep + timeAngle) + 1;
    const long double scaled = timeFactor * snapshot.dayFactors[logical] * 25;
    EXPECT_GT(scaled - std::floor(scaled), 0.5L);
    EXPECT_EQ(snapshot.activeness[logical], 33);
}

TEST(RhythmModel, NoMomentOfALeapYearReaches100) {
    int highest = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            if (DayOfYear(2024, month, day) != DayOfYear(2024, month, 1) + day - 1) {
                break;  // past the end of the month
            }
            for (int minute = 0; minute < 1440; ++minute) {
                const RhythmSnapshot s =
                    EvaluateRhythm(At(2024, month, day, minute / 60, minute % 60));
                highest = std::max<int>(
                    highest, *std::max_element(s.activeness.begin(), s.activeness.end()));
                for (double f : s.dayFactors) {
                    ASSERT_GE(f, 0.0);
                    ASSERT_LE(f, 2.0);
                }
            }
        }
    }
    EXPECT_EQ(highest, 99);
}

TEST(Calendar, DayOfYearAndYearLength) {
    EXPECT_EQ(DayOfYear(2025, 1, 1), 1);
    EXPECT_EQ(DayOfYear(2024, 2, 29), 60);
    EXPECT_EQ(DayOfYear(2024, 3, 1), 61);
    EXPECT_EQ(DayOfYear(2025, 3, 1), 60);
    EXPECT_EQ(DayOfYear(2024, 12, 31), 366);
    EXPECT_EQ(DayOfYear(2025, 12, 31), 365);
    EXPECT_EQ(DayOfYear(2026, 12, 8), 342);
    EXPECT_EQ(YearLength(2024), 366);
    EXPECT_EQ(YearLength(2025), 365);
    EXPECT_EQ(YearLength(1900), 365);
    EXPECT_EQ(YearLength(2000), 366);
    EXPECT_EQ(YearLength(2100), 365);
    EXPECT_EQ(MinuteOfDay(At(2026, 12, 8, 14, 37)), 877);
    EXPECT_EQ(MinuteOfDay(At(2026, 12, 8, 23, 59)), kMinutesPerDay - 1);
}

// Every real date of a common and a leap year, against month lengths written out here rather than
// taken from the model's tables: the day number climbs by exactly one from 1 to the year's length,
// and the day after each month's last is held at that last day.
TEST(Calendar, EveryDateOfACommonAndALeapYear) {
    for (const int year : {2025, 2024}) {
        const int february = year == 2024 ? 29 : 28;
        const std::array<int, 12> lengths = {31, february, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int expected = 0;
        for (int month = 1; month <= 12; ++month) {
            const int last = lengths[static_cast<std::size_t>(month - 1)];
            for (int day = 1; day <= last; ++day) {
                ASSERT_EQ(DayOfYear(year, month, day), ++expected)
                    << year << '-' << month << '-' << day;
            }
            ASSERT_EQ(DayOfYear(year, month, last + 1), expected)
                << year << '-' << month << '-' << last + 1
                << " is not held at the month's last day";
        }
        EXPECT_EQ(expected, YearLength(year));
    }
}

TEST(Calendar, ReadingsOutsideTheCalendarStayInsideTheYear) {
    EXPECT_EQ(DayOfYear(2025, 0, 0), 1);
    EXPECT_EQ(DayOfYear(2025, 13, 40), 365);
    EXPECT_EQ(DayOfYear(2025, 2, 30), 59);
    EXPECT_EQ(MinuteOfDay(At(2025, 1, 1, 77, -1)), 23 * 60);
    EXPECT_EQ(MinuteOfDay(At(2025, 1, 1, -2, 60)), 59);
    const RhythmSnapshot s = EvaluateRhythm(LocalMoment{2025, 99, -3, 77, -1, 0});
    for (Activeness a : s.activeness) {
        EXPECT_LE(a, 100);
    }
}

// Puts back the floating-point state a test found, with no flag pending, on every way out: a
// failed check must not leave exceptions unmasked for the tests that follow.
struct FloatingPointStateRestorer {
    std::uint16_t control = 0;
    std::uint32_t mxcsr = 0;
    ~FloatingPointStateRestorer() {
        __asm__ volatile("fnclex");
        __asm__ volatile("fldcw %0" : : "m"(control));
        _mm_setcsr(mxcsr);
    }
};

// The most hostile caller a loaded library could leave behind, set outright rather than built on
// what earlier tests left: every exception unmasked on both units, rounding toward zero on both,
// 53-bit precision on the x87 unit, denormals-are-zero and flush-to-zero on the SSE unit. Inside
// the scope the arithmetic's own state must be in force and an inexact result must not trap;
// after it the caller finds its exact words again, with no flag pending.
TEST(ExtendedPrecision, ScopeMasksExceptionsAndRestoresTheCallersState) {
    const std::uint16_t caller = 0x0E40;       // toward zero, 53-bit, nothing masked
    const std::uint32_t callerMxcsr = 0xE040;  // FTZ, toward zero, nothing masked, DAZ
    std::uint16_t inside = 0;
    std::uint32_t mxcsrInside = 0;
    std::uint16_t after = 0;
    std::uint16_t status = 0;
    std::uint32_t mxcsrAfter = 0;
    {
        FloatingPointStateRestorer restorer;
        __asm__ volatile("fnstcw %0" : "=m"(restorer.control));
        restorer.mxcsr = _mm_getcsr();
        // Flags cleared before anything is unmasked, so that none traps on its own.
        __asm__ volatile("fnclex");
        __asm__ volatile("fldcw %0" : : "m"(caller));
        _mm_setcsr(callerMxcsr);
        {
            const ExtendedPrecisionScope precision;
            __asm__ volatile("fnstcw %0" : "=m"(inside));
            mxcsrInside = _mm_getcsr();
            // Nothing more runs inside unless the scope's state is in force: under the caller's,
            // the first inexact result would trap, a failure's report included.
            if ((inside & 0x0F3F) == 0x033F && (mxcsrInside & 0xFFC0U) == 0x1F80U) {
                volatile long double one = 1.0L;
                volatile long double tiny = 0x1p-60L;
                EXPECT_NE(one + tiny, one);  // 64-bit significand in force
                volatile long double third = one / 3.0L;
                volatile double oneDouble = 1.0;
                volatile float thirdFloat = static_cast<float>(oneDouble / 3.0);
                EXPECT_LT(third - thirdFloat, 1e-6L);
            }
        }
        __asm__ volatile("fnstcw %0" : "=m"(after));
        __asm__ volatile("fnstsw %0" : "=m"(status));
        mxcsrAfter = _mm_getcsr();
    }
    EXPECT_EQ(inside & 0x0F3F, 0x033F);         // all masked, 64-bit, to nearest
    EXPECT_EQ(mxcsrInside & 0xFFC0U, 0x1F80U);  // all masked, to nearest, no DAZ or FTZ
    EXPECT_EQ(after, caller);
    EXPECT_EQ(status & 0x3F, 0);
    EXPECT_EQ(mxcsrAfter, callerMxcsr);
}

}  // namespace
}  // namespace mr
