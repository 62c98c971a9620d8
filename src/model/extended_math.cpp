#include "model/extended_math.hpp"

namespace mr {

namespace {

constexpr std::uint16_t kPrecisionAndRoundingMask = 0x0F00;
constexpr std::uint16_t kExtendedPrecisionToNearest = 0x0300;

std::uint16_t ReadControlWord() {
    std::uint16_t word = 0;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}

void WriteControlWord(std::uint16_t word) {
    __asm__ volatile("fldcw %0" : : "m"(word));
}

}  // namespace

ExtendedPrecisionScope::ExtendedPrecisionScope() : saved_(ReadControlWord()) {
    const auto wanted = static_cast<std::uint16_t>((saved_ & ~kPrecisionAndRoundingMask) |
                                                   kExtendedPrecisionToNearest);
    if (wanted != saved_) {
        WriteControlWord(wanted);
    }
}

ExtendedPrecisionScope::~ExtendedPrecisionScope() {
    if (ReadControlWord() != saved_) {
        WriteControlWord(saved_);
    }
}

}  // namespace mr
