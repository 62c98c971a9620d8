// The description line splitter: whatever the text, the lines and the breaks between them must
// cover it exactly, in order, with no break inside a line and no empty line after a final break.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.hpp"
#include "text/line_split.hpp"

namespace {

using mr::fuzz::Fail;

// Bytes 0xF0 and up become breaks, so that the fuzzer meets them often even in byte mode.
std::u16string WithBreaks(std::u16string text) {
    for (char16_t& unit : text) {
        if (unit == 0xF0 || unit == 0xF1) {
            unit = u'\r';
        } else if (unit == 0xF2) {
            unit = u'\n';
        }
    }
    return text;
}

// The length of the break at position i: 2 for CR LF, 1 for a lone CR or LF, 0 for none.
std::size_t BreakAt(std::u16string_view text, std::size_t i) {
    if (i >= text.size()) {
        return 0;
    }
    if (text[i] == u'\r') {
        return i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    }
    return text[i] == u'\n' ? 1 : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = WithBreaks(mr::fuzz::ToUtf16(data, size));
    // The text in a buffer of exactly its length, with no NUL after it as a string would have, so
    // that the sanitizer catches a read one past the view.
    const auto exact = std::make_unique<char16_t[]>(text.size());
    std::copy(text.begin(), text.end(), exact.get());
    const std::u16string_view view(exact.get(), text.size());
    // A list left over from an earlier call must be replaced, not extended.
    std::vector<std::u16string_view> lines{u"stale", u"lines"};
    mr::SplitIntoLines(view, lines);

    if (view.empty() && !lines.empty()) {
        Fail("an empty text has lines");
    }
    std::size_t position = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::u16string_view line = lines[n];
        if (line.data() != view.data() + position) {
            Fail("a line does not start where the previous break ended");
        }
        if (line.find_first_of(u"\r\n") != std::u16string_view::npos) {
            Fail("a line holds a carriage return or a line feed");
        }
        position += line.size();
        const std::size_t breakLength = BreakAt(view, position);
        if (breakLength == 0 && position != view.size()) {
            Fail("a line ends without a break before the end of the text");
        }
        if (breakLength == 0 && n + 1 != lines.size()) {
            Fail("a line that runs to the end is followed by more lines");
        }
        position += breakLength;
    }
    if (position != view.size()) {
        Fail("the lines and their breaks do not cover the text");
    }
    return 0;
}
