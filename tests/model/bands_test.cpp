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

}  // namespace
}  // namespace mr
