// GetTickCount's 32-bit count of milliseconds widened to 64 bits, for systems without
// GetTickCount64. The 32-bit count wraps to 0 after 49.7 days; a wait measured by it would
// then see time run backwards.
#pragma once

#include <cstdint>

namespace mr {

// The widened count for a fresh 32-bit reading, after the widened count handed out last: its
// high part, plus one wrap when the reading comes back smaller than its low part. Right as long
// as the count is read at least once every 49.7 days, and never smaller than the last one.
constexpr std::uint64_t WidenTickCount(std::uint64_t last, std::uint32_t reading) {
    constexpr std::uint64_t kWrap = std::uint64_t{1} << 32U;
    std::uint64_t high = last & ~(kWrap - 1U);
    if (reading < static_cast<std::uint32_t>(last)) {
        high += kWrap;
    }
    return high | reading;
}

}  // namespace mr
