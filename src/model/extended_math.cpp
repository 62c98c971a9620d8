#include "model/extended_math.hpp"

#include <xmmintrin.h>

namespace mr {

namespace {

// x87 control word: exception masks in bits 0-5, precision in 8-9, rounding in 10-11.
constexpr std::uint16_t kX87ControlMask = 0x0F3F;
constexpr std::uint16_t kX87Wanted = 0x033F;  // all masked, 64-bit precision, to nearest
// MXCSR: DAZ in bit 6, exception masks in 7-12, rounding in 13-14, flush to zero in 15.
constexpr std::uint32_t kMxcsrControlMask = 0xFFC0;
constexpr std::uint32_t kMxcsrWanted = 0x1F80;  // all masked, to nearest, no DAZ, no FTZ

std::uint16_t ReadControlWord() {
    std::uint16_t word = 0;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}

void WriteControlWord(std::uint16_t word) {
    __asm__ volatile("fldcw %0" : : "m"(word));
}

}  // namespace

ExtendedPrecisionScope::ExtendedPrecisionScope() {
    const std::uint16_t control = ReadControlWord();
    if ((control & kX87ControlMask) != kX87Wanted) {
        // fnstenv keeps the whole environment, so that the flags this scope raises are dropped
        // again on the way out: with the caller's exceptions unmasked, a flag left pending would
        // trap at the caller's next floating-point instruction.
        __asm__ volatile("fnstenv %0" : "=m"(x87_));
        WriteControlWord(static_cast<std::uint16_t>((control & ~kX87ControlMask) | kX87Wanted));
        x87Changed_ = true;
    }
    mxcsr_ = _mm_getcsr();
    if ((mxcsr_ & kMxcsrControlMask) != kMxcsrWanted) {
        _mm_setcsr((mxcsr_ & ~kMxcsrControlMask) | kMxcsrWanted);
        mxcsrChanged_ = true;
    }
}

ExtendedPrecisionScope::~ExtendedPrecisionScope() {
    if (mxcsrChanged_) {
        _mm_setcsr(mxcsr_);
    }
    if (x87Changed_) {
        __asm__ volatile("fldenv %0" : : "m"(x87_));
    }
}

}  // namespace mr
