// Turning a fuzzer's bytes into the UTF-16 text the program reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace mr::fuzz {

// Even-length inputs whose first byte is odd are read as little-endian code units, so that code
// units above 0xFF (and 0 inside the text) are reached; the rest byte by byte, which keeps the
// seeds readable and lets the fuzzer splice ASCII freely.
inline std::u16string ToUtf16(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    if (size >= 1 && size % 2 == 0 && (data[0] & 1U) != 0) {
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8U));
        }
        return text;
    }
    for (std::size_t i = 0; i < size; ++i) {
        text.push_back(static_cast<char16_t>(data[i]));
    }
    return text;
}

// A broken invariant: prints what and aborts, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char* what);

}  // namespace mr::fuzz
