#include "model/bands.hpp"

#include <array>

namespace mr {

namespace {

// The top of bands 0 to 9; anything above the last is band 10.
constexpr std::array<Activeness, 10> kBandTops = {5, 10, 30, 35, 45, 55, 65, 70, 90, 95};

}  // namespace

LevelBand LevelBandOf(Activeness activeness) {
    LevelBand band = 0;
    while (band < kBandTops.size() && activeness > kBandTops[band]) {
        ++band;
    }
    return band;
}

Rating RatingOf(Activeness activeness) {
    if (activeness >= 30 && activeness <= 70) {
        return Rating::Good;
    }
    if (activeness < 10) {
        return Rating::Bad;
    }
    if (activeness <= 90) {
        return Rating::Normal;
    }
    return Rating::Bad;
}

}  // namespace mr
