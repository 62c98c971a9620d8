#include <gtest/gtest.h>

#include <cstdint>

#include "shell/tick_count_widening.hpp"

namespace mr {
namespace {

TEST(WidenTickCount, CountsEveryWrapOfTheThirtyTwoBitCount) {
    struct Step {
        std::uint32_t reading;
        std::uint64_t widened;
    } const steps[] = {
        {5, 5},
        {0xFFFFFFF0, 0xFFFFFFF0},
        {0x10, 0x1'0000'0010},  // the wrap after 49.7 days
        {0x10, 0x1'0000'0010},  // the same millisecond again
        {0xFFFFFFFF, 0x1'FFFF'FFFF},
        {0, 0x2'0000'0000},
        {0, 0x2'0000'0000},
        {1, 0x2'0000'0001},
    };
    std::uint64_t last = 0;
    for (const Step& step : steps) {
        last = WidenTickCount(last, step.reading);
        EXPECT_EQ(last, step.widened) << std::hex << step.reading;
    }
}

}  // namespace
}  // namespace mr
