// ReadDecimalHandle, the owner window of the change-password run, against a reference that keeps
// the whole value in 128 bits and reduces it modulo 2^32 only at the end of each step.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.hpp"
#include "shell/password_hooks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = mr::fuzz::ToUtf16(data, size);
    std::size_t i = 0;
    const bool negative = !text.empty() && text.front() == u'-';
    if (negative) {
        i = 1;
    }
    unsigned __int128 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = (value * 10 + (text[i] - u'0')) % (static_cast<unsigned __int128>(1) << 32U);
    }
    const auto magnitude = static_cast<std::uint32_t>(value);
    const std::uint32_t expected =
        negative ? static_cast<std::uint32_t>(-std::int64_t{magnitude}) : magnitude;
    if (mr::ReadDecimalHandle(text) != expected) {
        mr::fuzz::Fail("ReadDecimalHandle differs from the reference");
    }
    return 0;
}
