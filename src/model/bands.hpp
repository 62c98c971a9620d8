// The description band and the rating picture of an activeness value.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/memory_type.hpp"

namespace mr {

// Index of a description in the catalogue, 0 to 10.
using LevelBand = std::uint8_t;
inline constexpr std::size_t kLevelBandCount = 11;

enum class Rating : std::uint8_t { Good, Normal, Bad };

// Total over 0..255: values the model never gives still land in band 10.
LevelBand LevelBandOf(Activeness activeness);
Rating RatingOf(Activeness activeness);

}  // namespace mr
