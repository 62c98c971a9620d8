// Extended-precision helpers shared by the model and the dial.
//
// Every computation of the model and of the dial is defined in the x87 80-bit format (64-bit
// significand, round to nearest). GCC's long double is exactly that on both builds we ship and
// test (x86-64 Linux, i686 MinGW); anything else must not build.
#pragma once

#include <cstdint>
#include <limits>

namespace mr {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the model needs long double with a 64-bit significand (x87 extended)");
static_assert(std::numeric_limits<long double>::radix == 2);

// pi rounded to a 64-bit significand.
inline constexpr long double kPi = 0xC.90FDAA22168C235p-2L;
// 2 pi, as a stored extended constant (6.283185307179586477).
inline constexpr long double kTwoPi = 0xC.90FDAA22168C235p-1L;
// -pi/2, as a stored extended constant (-1.5707963267948966193).
inline constexpr long double kMinusHalfPi = -0xC.90FDAA22168C235p-3L;

// Sine and cosine of the x87 unit. The same instruction runs on both builds, so the host tests
// see bit for bit the values of the shipped binary.
#if defined(__i386__) || defined(__x86_64__)
inline long double ExtSin(long double x) {
    long double result;
    __asm__("fsin" : "=t"(result) : "0"(x));
    return result;
}
inline long double ExtCos(long double x) {
    long double result;
    __asm__("fcos" : "=t"(result) : "0"(x));
    return result;
}
#else
#error "ExtSin and ExtCos need an x87 unit"
#endif

// The floating-point state this arithmetic is defined with: 64-bit precision and round to nearest
// on the x87 unit, round to nearest without flushing on the SSE unit (which holds the floats and
// doubles), and every exception masked on both. Windows may hand a thread 53-bit precision, and a
// library loaded into the process (an input method, a hook, a printer driver) may leave
// exceptions unmasked, which would turn an inexact result into a crash. The model and the paint
// set this state for their duration and put back exactly what they found, flags included.
class ExtendedPrecisionScope {
public:
    ExtendedPrecisionScope();
    ~ExtendedPrecisionScope();
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

private:
    // The x87 environment (control, status and tag words and the last instruction), saved only
    // when the control word had to change.
    struct X87Environment {
        std::uint32_t words[7];
    };
    X87Environment x87_{};
    bool x87Changed_ = false;
    std::uint32_t mxcsr_ = 0;
    bool mxcsrChanged_ = false;
};

}  // namespace mr
