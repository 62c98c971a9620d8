#include "shell/command_line.hpp"

#include <limits>

namespace mr {

namespace {

constexpr char16_t kQuote = u'"';

// The code unit at i, with 0 past the end: a code unit 0 and the end of the text both end a scan.
char16_t At(std::u16string_view text, std::size_t i) {
    return i < text.size() ? text[i] : u'\0';
}

bool IsSeparator(char16_t unit) {
    return unit >= 1 && unit <= 32;
}

// The digit's value in the given base, or -1.
int DigitValue(char16_t unit, bool hexadecimal) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (hexadecimal && unit >= u'a' && unit <= u'f') {
        return unit - u'a' + 10;
    }
    if (hexadecimal && unit >= u'A' && unit <= u'F') {
        return unit - u'A' + 10;
    }
    return -1;
}

}  // namespace

ScannedToken NextArgument(std::u16string_view commandLine, std::size_t position) {
    std::size_t i = position;
    for (;;) {
        while (IsSeparator(At(commandLine, i))) {
            ++i;
        }
        if (At(commandLine, i) == kQuote && At(commandLine, i + 1) == kQuote) {
            i += 2;
            continue;
        }
        break;
    }
    ScannedToken result;
    while (At(commandLine, i) > 32) {
        const char16_t unit = commandLine[i++];
        if (unit != kQuote) {
            result.token.push_back(unit);
            continue;
        }
        while (At(commandLine, i) != u'\0' && commandLine[i] != kQuote) {
            result.token.push_back(commandLine[i++]);
        }
        if (At(commandLine, i) == kQuote) {
            ++i;
        }
    }
    result.next = i;
    return result;
}

std::size_t ArgumentCount(std::u16string_view commandLine) {
    std::size_t position = NextArgument(commandLine, 0).next;
    std::size_t count = 0;
    for (;;) {
        ScannedToken scanned = NextArgument(commandLine, position);
        if (scanned.token.empty()) {
            return count;
        }
        ++count;
        position = scanned.next;
    }
}

std::u16string ArgumentAt(std::u16string_view commandLine, std::size_t n) {
    ScannedToken scanned = NextArgument(commandLine, 0);
    for (std::size_t scannedCount = 1; scannedCount <= n; ++scannedCount) {
        if (scanned.token.empty()) {
            return {};
        }
        scanned = NextArgument(commandLine, scanned.next);
    }
    // n == 0 would be the program's path; arguments count from 1.
    return n == 0 ? std::u16string{} : scanned.token;
}

RunMode RunModeFromCommandLine(std::u16string_view commandLine) {
    if (ArgumentCount(commandLine) == 0) {
        return RunMode::FullScreen;
    }
    const std::u16string first = ArgumentAt(commandLine, 1);
    const char16_t letter = first.size() == 1 ? first[0] : first[1];
    switch (letter) {
        case u'A':
        case u'a':
            return RunMode::ChangePassword;
        case u'P':
        case u'p':
            return RunMode::Preview;
        case u'S':
        case u's':
            return RunMode::FullScreen;
        default:
            return RunMode::None;
    }
}

Integer64Reading ReadInteger64(std::u16string_view text) {
    if (text.empty()) {
        return {0, 1};
    }
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    bool negative = false;
    if (At(text, i) == u'-') {
        negative = true;
        ++i;
    } else if (At(text, i) == u'+') {
        ++i;
    }
    bool hexadecimal = false;
    if (At(text, i) == u'$' || At(text, i) == u'x' || At(text, i) == u'X') {
        hexadecimal = true;
        ++i;
    } else if (At(text, i) == u'0' && (At(text, i + 1) == u'x' || At(text, i + 1) == u'X')) {
        hexadecimal = true;
        i += 2;
    }
    // Accumulated unsigned, so that a digit that carries the value past 2^63 - 1 wraps it into
    // the negative range, where the next digit stops the reading, instead of overflowing.
    constexpr std::uint64_t kDecimalLimit = 922337203685477580ULL;  // (2^63 - 1) div 10
    constexpr std::uint64_t kHexadecimalLimit = (1ULL << 60) - 1;   // (2^64 - 1) div 16
    std::uint64_t value = 0;
    bool anyDigit = false;
    while (i < text.size()) {
        const int digit = DigitValue(text[i], hexadecimal);
        if (digit < 0 || static_cast<std::int64_t>(value) < 0 ||
            value > (hexadecimal ? kHexadecimalLimit : kDecimalLimit)) {
            break;
        }
        value = value * (hexadecimal ? 16U : 10U) + static_cast<std::uint64_t>(digit);
        anyDigit = true;
        ++i;
    }
    if (negative) {
        value = 0 - value;
    }
    const bool whole = i == text.size() && anyDigit;
    return {static_cast<std::int64_t>(value), whole ? 0 : i + 1};
}

std::uint32_t ReadHandleArgument(std::u16string_view text) {
    std::size_t i = 0;
    while (At(text, i) == u' ') {
        ++i;
    }
    constexpr std::uint64_t kMaximum = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (int digit = DigitValue(At(text, i), false); digit >= 0;
         digit = DigitValue(At(text, ++i), false)) {
        const auto unit = static_cast<std::uint64_t>(digit);
        if (value > (kMaximum - unit) / 10U) {
            value = 0;  // past 2^64 - 1: not a handle printed unsigned
            break;
        }
        value = value * 10U + unit;
    }
    if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        value = static_cast<std::uint64_t>(ReadInteger64(text).value);
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace mr
