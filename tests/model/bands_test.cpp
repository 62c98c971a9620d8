#include "model/bands.hpp"

#include <gtest/gtest.h>

namespace mr {
namespace {

struct BandRow {
    int from;
    int to;
    LevelBand band;
    Rating rating;
};

// Every activeness 0..255 falls in exactly one row.
constexpr BandRow kRows[] = {
    {0, 5, 0, Rating::Bad},      {6, 9, 1, Rating::Bad},      {10, 10, 1, Rating::Normal},
    {11, 29, 2, Rating::Normal}, {30, 30, 2, Rating::Good},   {31, 35, 3, Rating::Good},
    {36, 45, 4, Rating::Good},   {46, 55, 5, Rating::Good},   {56, 65, 6, Rating::Good},
    {66, 70, 7, Rating::Good},   {71, 90, 8, Rating::Normal}, {91, 95, 9, Rating::Bad},
    {96, 255, 10, Rating::Bad},
};

TEST(BandsAndRatings, EveryActivenessFallsInItsRow) {
    int covered = 0;
    for (const BandRow& row : kRows) {
        for (int value = row.from; value <= row.to; ++value) {
            SCOPED_TRACE(value);
            const auto a = static_cast<Activeness>(value);
            EXPECT_EQ(LevelBandOf(a), row.band);
            EXPECT_EQ(RatingOf(a), row.rating);
            ++covered;
        }
    }
    EXPECT_EQ(covered, 256);
}

TEST(BandsAndRatings, NominalPercentagesHeadTheBands) {
    const int expected[] = {5, 10, 30, 35, 45, 55, 65, 70, 90, 95, 100};
    for (LevelBand band = 0; band < kLevelBandCount; ++band) {
        EXPECT_EQ(NominalPercentage(band), expected[band]);
    }
    // An activeness of 62 is described under the heading of 65.
    EXPECT_EQ(NominalPercentage(LevelBandOf(62)), 65);
    // Every value is at most its band's nominal percentage and above the band below.
    for (int value = 0; value <= 100; ++value) {
        const LevelBand band = LevelBandOf(static_cast<Activeness>(value));
        EXPECT_LE(value, NominalPercentage(band));
        if (band > 0) {
            EXPECT_GT(value, NominalPercentage(static_cast<LevelBand>(band - 1)));
        }
    }
}

}  // namespace
}  // namespace mr
