#include "shell/command_line.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "fake_services.hpp"

namespace mr {
namespace {

using testing::Narrow;

struct CommandLineCase {
    std::u16string commandLine;
    RunMode mode;
    std::size_t count;
    std::u16string first;
    std::u16string second;
};

TEST(CommandLine, ModeCountAndArgumentsOfTheCommandLinesTheSystemAndUsersWrite) {
    const std::u16string withZero(u"saver.scr /c\0/s", 15);
    const CommandLineCase cases[] = {
        {u"", RunMode::FullScreen, 0, u"", u""},
        {u"saver.scr", RunMode::FullScreen, 0, u"", u""},
        {u"\"C:\\saver.scr\"   ", RunMode::FullScreen, 0, u"", u""},
        {u"saver.scr /s", RunMode::FullScreen, 1, u"/s", u""},
        {u"saver.scr -S", RunMode::FullScreen, 1, u"-S", u""},
        {u"saver.scr s", RunMode::FullScreen, 1, u"s", u""},
        {u"saver.scr /scr", RunMode::FullScreen, 1, u"/scr", u""},
        {u"saver.scr /p 1234", RunMode::Preview, 2, u"/p", u"1234"},
        {u"saver.scr /P $4D2", RunMode::Preview, 2, u"/P", u"$4D2"},
        {u"saver.scr /p x4D2", RunMode::Preview, 2, u"/p", u"x4D2"},
        {u"saver.scr /p 0x4D2", RunMode::Preview, 2, u"/p", u"0x4D2"},
        {u"saver.scr /p:1234", RunMode::Preview, 1, u"/p:1234", u""},
        {u"saver.scr /c", RunMode::None, 1, u"/c", u""},
        {u"saver.scr /c:1234", RunMode::None, 1, u"/c:1234", u""},
        {u"saver.scr /x", RunMode::None, 1, u"/x", u""},
        {u"saver.scr /1", RunMode::None, 1, u"/1", u""},
        {u"saver.scr c", RunMode::None, 1, u"c", u""},
        {u"saver.scr /a 1234", RunMode::ChangePassword, 2, u"/a", u"1234"},
        {u"saver.scr -A", RunMode::ChangePassword, 1, u"-A", u""},
        // Quotes: dropped, a pair before a token passed over, a stretch keeps its blanks.
        {u"saver.scr \"/s\"", RunMode::FullScreen, 1, u"/s", u""},
        {u"saver.scr \"\"/s", RunMode::FullScreen, 1, u"/s", u""},
        {u"saver.scr \"\" \"\" /p 5", RunMode::Preview, 2, u"/p", u"5"},
        {u"saver.scr /\"p q\" 7", RunMode::Preview, 2, u"/p q", u"7"},
        {u"saver.scr a\"b c\"d e", RunMode::None, 2, u"ab cd", u"e"},
        {u"saver.scr \"/s", RunMode::FullScreen, 1, u"/s", u""},
        {u"saver.scr /s \"", RunMode::FullScreen, 1, u"/s", u""},
        {u"saver.scr \"", RunMode::FullScreen, 0, u"", u""},
        {u"saver.scr \"\"", RunMode::FullScreen, 0, u"", u""},
        // No escape character: the backslash is kept, the quotes are not.
        {u"saver.scr \\\"/s\\\"", RunMode::None, 1, u"\\/s\\", u""},
        // Tabs and the other control characters separate like blanks.
        {u"saver.scr\t/p\t77", RunMode::Preview, 2, u"/p", u"77"},
        {u"saver.scr\x01/p\x1f\x0d\x0a 42\x7f", RunMode::Preview, 2, u"/p", u"42\x7f"},
        // The program's path, quoted with blanks, is never argument 1; unquoted it splits.
        {u"\"C:\\Program Files\\My Saver\\saver.scr\" /p 10", RunMode::Preview, 2, u"/p", u"10"},
        {u"C:\\Program Files\\saver.scr /s", RunMode::None, 2, u"Files\\saver.scr", u"/s"},
        // A code unit 0 ends the text.
        {withZero, RunMode::None, 1, u"/c", u""},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(Narrow(c.commandLine));
        EXPECT_EQ(RunModeFromCommandLine(c.commandLine), c.mode);
        EXPECT_EQ(ArgumentCount(c.commandLine), c.count);
        EXPECT_EQ(Narrow(ArgumentAt(c.commandLine, 1)), Narrow(c.first));
        EXPECT_EQ(Narrow(ArgumentAt(c.commandLine, 2)), Narrow(c.second));
        EXPECT_EQ(ArgumentAt(c.commandLine, c.count + 1), u"");
        for (std::size_t n = 1; n <= c.count; ++n) {
            EXPECT_FALSE(ArgumentAt(c.commandLine, n).empty()) << "argument " << n;
        }
    }
}

TEST(CommandLine, NextArgumentReturnsThePositionOfTheEndingSeparator) {
    const std::u16string line = u"  \"a b\"c  d\"";
    ScannedToken first = NextArgument(line, 0);
    EXPECT_EQ(first.token, u"a bc");
    EXPECT_EQ(first.next, 8U);
    ScannedToken second = NextArgument(line, first.next);
    EXPECT_EQ(second.token, u"d");
    EXPECT_EQ(second.next, line.size());
    ScannedToken past = NextArgument(line, line.size() + 5);
    EXPECT_EQ(past.token, u"");
    EXPECT_EQ(past.next, line.size() + 5);
}

TEST(CommandLine, HostileCommandLinesStayLinearAndInRange) {
    std::u16string manyArguments = u"saver.scr";
    for (int i = 0; i < 5000; ++i) {
        manyArguments += u" /p";
    }
    EXPECT_EQ(ArgumentCount(manyArguments), 5000U);
    EXPECT_EQ(ArgumentAt(manyArguments, 5000), u"/p");
    EXPECT_EQ(ArgumentAt(manyArguments, 5001), u"");

    const std::u16string quotes(40001, u'"');  // pairs, then one lone quote
    EXPECT_EQ(ArgumentCount(quotes), 0U);
    EXPECT_EQ(RunModeFromCommandLine(quotes), RunMode::FullScreen);

    const std::u16string longToken = u"saver.scr /" + std::u16string(100000, u'\xFFFF');
    EXPECT_EQ(ArgumentCount(longToken), 1U);
    EXPECT_EQ(RunModeFromCommandLine(longToken), RunMode::None);

    std::u16string controls;
    for (char16_t unit = 1; unit <= 32; ++unit) {
        controls.push_back(unit);
    }
    EXPECT_EQ(ArgumentCount(u"saver.scr" + controls + u"s" + controls), 1U);
    EXPECT_EQ(RunModeFromCommandLine(u"saver.scr" + controls + u"s"), RunMode::FullScreen);
}

struct IntegerCase {
    std::u16string text;
    std::int64_t value;
    std::size_t errorPosition;
};

TEST(ReadInteger64, DecimalHexadecimalSignsAndWhereTheReadingStopped) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const IntegerCase cases[] = {
        {u"", 0, 1},
        {u"0", 0, 0},
        {u"1234", 1234, 0},
        {u"  12", 12, 0},
        {u"\t12", 0, 1},  // only blanks are passed over
        {u"-12", -12, 0},
        {u"+12", 12, 0},
        {u"$4D2", 1234, 0},
        {u"x4d2", 1234, 0},
        {u"X4D2", 1234, 0},
        {u"0x4D2", 1234, 0},
        {u"0X4d2", 1234, 0},
        {u" -x10", -16, 0},
        {u"0x4D2junk", 1234, 6},
        {u"12ab", 12, 3},
        {u"12 ", 12, 3},
        {u"abc", 0, 1},
        {u"-", 0, 2},
        {u"- 5", 0, 2},
        {u"+-5", 0, 2},
        {u"0x", 0, 3},
        {u"$", 0, 2},
        {u"4D2", 4, 2},  // no prefix: decimal
        // The 2^63 boundary: the largest value, the digit that wraps into the negative range
        // and stops the next one, and the most negative value.
        {u"9223372036854775807", kMax, 0},
        {u"9223372036854775808", kMin, 0},
        {u"92233720368547758080", kMin, 20},
        {u"92233720368547758070", kMax, 20},
        {u"-9223372036854775808", kMin, 0},
        {u"-9223372036854775807", -kMax, 0},
        // Past the decimal limit the reading stops before the digit.
        {u"99999999999999999999", 999999999999999999, 19},
        {u"18446744073709551616", 1844674407370955161, 20},
        // 2^64 - 1, 2^64 and 2^63 in hexadecimal.
        {u"$FFFFFFFFFFFFFFFF", -1, 0},
        {u"$10000000000000000", std::int64_t{1} << 60, 18},
        {u"$8000000000000000", kMin, 0},
        {u"$80000000000000001", kMin, 18},
        {u"-$8000000000000000", kMin, 0},
        {u"-0x7FFFFFFFFFFFFFFF", -kMax, 0},
        {u"4294968530", 4294968530, 0},
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        const Integer64Reading reading = ReadInteger64(c.text);
        EXPECT_EQ(reading.value, c.value);
        EXPECT_EQ(reading.errorPosition, c.errorPosition);
    }
}

TEST(ReadInteger64, VeryLongDigitStringsStopAtTheLimit) {
    const Integer64Reading decimal = ReadInteger64(std::u16string(100000, u'9'));
    EXPECT_EQ(decimal.value, 999999999999999999);
    EXPECT_EQ(decimal.errorPosition, 19U);
    const Integer64Reading hexadecimal = ReadInteger64(u"$" + std::u16string(100000, u'f'));
    EXPECT_EQ(hexadecimal.value, -1);
    EXPECT_EQ(hexadecimal.errorPosition, 18U);
    const Integer64Reading blanks = ReadInteger64(std::u16string(100000, u' '));
    EXPECT_EQ(blanks.value, 0);
    EXPECT_EQ(blanks.errorPosition, 100001U);
}

}  // namespace
}  // namespace mr
