// The seven memory types of the dial and the per-moment values the model gives for them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace mr {

// Catalogue order: every per-type table in the program is indexed by this value.
enum class MemoryType : std::uint8_t {
    Motorical = 0,
    Sensual = 1,
    Imaging = 2,
    Logical = 3,
    Aiming = 4,
    Managing = 5,
    WorldOutlooking = 6,
};

inline constexpr std::size_t kMemoryTypeCount = 7;

inline constexpr std::array<MemoryType, kMemoryTypeCount> kAllMemoryTypes = {
    MemoryType::Motorical, MemoryType::Sensual,  MemoryType::Imaging,        MemoryType::Logical,
    MemoryType::Aiming,    MemoryType::Managing, MemoryType::WorldOutlooking};

constexpr std::size_t Index(MemoryType type) {
    return static_cast<std::size_t>(type);
}

// A whole percentage, 0 to 100, of one memory type at one moment.
using Activeness = std::uint8_t;
using ActivenessSet = std::array<Activeness, kMemoryTypeCount>;

// The yearly half of the model, 0 to 2; the rhythm figure draws it.
using DayFactorSet = std::array<double, kMemoryTypeCount>;

struct RhythmSnapshot {
    ActivenessSet activeness{};
    DayFactorSet dayFactors{};
};

}  // namespace mr
