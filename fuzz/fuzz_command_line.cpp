// The command-line splitter over whole command lines: token scanning, the argument count, and
// arguments by number must agree with one another for any text the system might hand over.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.hpp"
#include "shell/command_line.hpp"

namespace {

using mr::fuzz::Fail;

bool Contains(const std::u16string& text, char16_t unit) {
    return text.find(unit) != std::u16string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string commandLine = mr::fuzz::ToUtf16(data, size);

    // The raw scan: every token is quote-free and NUL-free, and the scan moves forward and stays
    // inside the text.
    std::size_t position = 0;
    std::size_t tokens = 0;
    for (;;) {
        const mr::ScannedToken scanned = mr::NextArgument(commandLine, position);
        if (scanned.next < position || scanned.next > commandLine.size()) {
            Fail("NextArgument went backwards or past the end");
        }
        if (Contains(scanned.token, u'"') || Contains(scanned.token, u'\0')) {
            Fail("a token holds a quote or a NUL");
        }
        if (scanned.token.empty()) {
            break;
        }
        if (scanned.next == position) {
            Fail("a non-empty token consumed nothing");
        }
        position = scanned.next;
        ++tokens;
    }

    const std::size_t count = mr::ArgumentCount(commandLine);
    // The program's own path is the first token and is not counted.
    if (count + 1 != tokens && !(tokens == 0 && count == 0)) {
        Fail("ArgumentCount disagrees with the tokens scanned");
    }
    if (!mr::ArgumentAt(commandLine, 0).empty()) {
        Fail("ArgumentAt(0) is the program's path, which is never handed out");
    }
    // ArgumentAt walks from the start each time; a bounded number of them keeps runs fast.
    const std::size_t checked = count < 64 ? count : 64;
    for (std::size_t n = 1; n <= checked; ++n) {
        const std::u16string argument = mr::ArgumentAt(commandLine, n);
        if (argument.empty()) {
            Fail("an argument inside the count is empty");
        }
        if (Contains(argument, u'"')) {
            Fail("an argument holds a quote");
        }
    }
    for (std::size_t n = count + 1; n <= count + 3; ++n) {
        if (!mr::ArgumentAt(commandLine, n).empty()) {
            Fail("an argument past the count is not empty");
        }
    }
    const mr::RunMode mode = mr::RunModeFromCommandLine(commandLine);
    if (count == 0 && mode != mr::RunMode::FullScreen) {
        Fail("no argument must mean the full-screen run");
    }
    return 0;
}
