#include "text/line_split.hpp"

namespace mr {

void SplitIntoLines(std::u16string_view text, std::vector<std::u16string_view>& lines) {
    lines.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        ++i;
        if (c == u'\r' && i < text.size() && text[i] == u'\n') {
            ++i;
        }
        start = i;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
}

}  // namespace mr
