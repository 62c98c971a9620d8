// Splitting a description into the lines that are drawn one under another.
#pragma once

#include <string_view>
#include <vector>

namespace mr {

// Replaces the list with the lines of text. A line ends at a carriage return, a line feed, or a
// carriage return followed by a line feed (one break); a break at the very end starts no further,
// empty line, and an empty text has no lines. The views point into text.
void SplitIntoLines(std::u16string_view text, std::vector<std::u16string_view>& lines);

}  // namespace mr
