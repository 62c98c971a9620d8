// Reading the command line that the system starts a screen saver with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mr {

enum class RunMode : std::uint8_t { None, FullScreen, Preview, ChangePassword };

struct ScannedToken {
    std::u16string token;
    std::size_t next = 0;  // the position just after the token: its separator, or the end
};

// One token from the given position. Separators are the code units 1 to 32; a code unit 0, like
// the end of the text, ends everything. Double quotes never become part of a token: they open and
// close stretches in which separators are copied, and a pair of them before a token is passed over.
// There is no escape character.
ScannedToken NextArgument(std::u16string_view commandLine, std::size_t position);

// The arguments after the program's own path, up to the first empty token.
std::size_t ArgumentCount(std::u16string_view commandLine);

// Argument n (from 1); empty when there are fewer than n.
std::u16string ArgumentAt(std::u16string_view commandLine, std::size_t n);

// The mode letter is the only character of a one-character first argument and otherwise its
// second character (the first is a slash or a minus as a rule and is not looked at).
RunMode RunModeFromCommandLine(std::u16string_view commandLine);

struct Integer64Reading {
    std::int64_t value = 0;
    // 1-based position of the character at which the reading stopped; 0 when the whole text
    // was a number.
    std::size_t errorPosition = 0;
};

// Decimal, or hexadecimal after $, x, X, 0x or 0X; leading blanks and a sign allowed. Reading
// stops before a digit that could take the value past the signed 64-bit range.
Integer64Reading ReadInteger64(std::u16string_view text);

// A window handle given on the command line: the low 32 bits of its ReadInteger64 reading. A
// 64-bit settings dialog may also print a sign-extended handle unsigned, 0xFFFFFFFF80020000 as
// "18446744071562199040", past the signed range: a run of decimal digits (after blanks, with no
// sign or prefix) of such a value is read as the unsigned 64-bit number it writes.
std::uint32_t ReadHandleArgument(std::u16string_view text);

}  // namespace mr
