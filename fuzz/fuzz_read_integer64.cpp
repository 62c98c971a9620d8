// ReadInteger64 against a plain reference written from its contract: blanks, a sign, a
// hexadecimal prefix, then digits for as long as the value times the base still fits (the signed
// range for decimal, the unsigned one for hexadecimal), the sign applied modulo 2^64.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.hpp"
#include "shell/command_line.hpp"

namespace {

using Wide = unsigned __int128;

int Digit(char16_t unit, unsigned base) {
    int value = -1;
    if (unit >= u'0' && unit <= u'9') {
        value = unit - u'0';
    } else if (unit >= u'a' && unit <= u'f') {
        value = unit - u'a' + 10;
    } else if (unit >= u'A' && unit <= u'F') {
        value = unit - u'A' + 10;
    }
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

mr::Integer64Reading Reference(std::u16string_view text) {
    if (text.empty()) {
        return {0, 1};
    }
    std::size_t i = text.find_first_not_of(u' ');
    if (i == std::u16string_view::npos) {
        i = text.size();
    }
    const std::u16string_view rest = text.substr(i);
    const bool negative = rest.starts_with(u'-');
    if (rest.starts_with(u'-') || rest.starts_with(u'+')) {
        ++i;
    }
    unsigned base = 10;
    const std::u16string_view body = text.substr(i);
    if (body.starts_with(u"0x") || body.starts_with(u"0X")) {
        base = 16;
        i += 2;
    } else if (body.starts_with(u'$') || body.starts_with(u'x') || body.starts_with(u'X')) {
        base = 16;
        i += 1;
    }
    const Wide ceiling = base == 10 ? Wide{INT64_MAX} : Wide{UINT64_MAX};
    Wide value = 0;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const int digit = Digit(text[i], base);
        if (digit < 0 || value * base > ceiling) {
            break;
        }
        value = value * base + static_cast<unsigned>(digit);
        anyDigit = true;
    }
    const std::uint64_t low = static_cast<std::uint64_t>(value);
    const std::uint64_t signed_ = negative ? ~low + 1 : low;
    const bool whole = i == text.size() && anyDigit;
    return {static_cast<std::int64_t>(signed_), whole ? 0 : i + 1};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = mr::fuzz::ToUtf16(data, size);
    const mr::Integer64Reading read = mr::ReadInteger64(text);
    const mr::Integer64Reading expected = Reference(text);
    if (read.value != expected.value) {
        mr::fuzz::Fail("ReadInteger64 value differs from the reference");
    }
    if (read.errorPosition != expected.errorPosition) {
        mr::fuzz::Fail("ReadInteger64 stop position differs from the reference");
    }
    return 0;
}
