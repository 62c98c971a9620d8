// Prints the shape of the description catalogue for an editor: line counts per text, totals,
// and the longest and shortest lines of each language.
#include <cstdio>
#include <string>
#include <string_view>

#include "text/catalogue.hpp"

namespace {

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        const auto unit = static_cast<unsigned>(c);
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
            out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
    return out;
}

struct LineStats {
    std::u16string_view line;
    std::size_t type = 0;
    std::size_t band = 0;
    std::size_t index = 0;
};

void Report(mr::UiLanguage language, const char* name) {
    std::size_t lines = 0;
    std::size_t characters = 0;
    LineStats longest;
    LineStats shortest;
    shortest.line = std::u16string_view(u"", 0);
    bool haveShortest = false;
    std::printf("%s: lines per text (heading included)\n        ", name);
    for (std::size_t band = 0; band < mr::kLevelBandCount; ++band) {
        std::printf(" b%-2zu", band);
    }
    std::printf("\n");
    for (std::size_t type = 0; type < mr::kMemoryTypeCount; ++type) {
        std::printf("  type %zu", type);
        for (std::size_t band = 0; band < mr::kLevelBandCount; ++band) {
            const std::u16string_view text = mr::TypeDescription(
                language, mr::kAllMemoryTypes[type], static_cast<mr::LevelBand>(band));
            characters += text.size();
            std::size_t count = 0;
            std::size_t start = 0;
            for (std::size_t i = 0; i <= text.size(); ++i) {
                if (i != text.size() && text[i] != u'\r') {
                    continue;
                }
                const std::u16string_view line = text.substr(start, i - start);
                if (line.size() > longest.line.size()) {
                    longest = {line, type, band, count};
                }
                if (count > 0 && (!haveShortest || line.size() < shortest.line.size())) {
                    shortest = {line, type, band, count};
                    haveShortest = true;
                }
                ++count;
                start = i + 1;
            }
            lines += count;
            std::printf(" %3zu", count);
        }
        std::printf("\n");
    }
    std::printf("  %zu lines, %zu characters (separators included)\n", lines, characters);
    std::printf("  longest line: %zu characters, type %zu band %zu line %zu: %s\n",
                longest.line.size(), longest.type, longest.band, longest.index,
                Utf8(longest.line).c_str());
    std::printf("  shortest body line: %zu characters, type %zu band %zu line %zu: %s\n\n",
                shortest.line.size(), shortest.type, shortest.band, shortest.index,
                Utf8(shortest.line).c_str());
}

}  // namespace

int main() {
    Report(mr::UiLanguage::Russian, "Russian");
    Report(mr::UiLanguage::English, "English");
    return 0;
}
