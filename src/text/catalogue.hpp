// The constant texts of the dial, in Russian and English. Compiled into the program: nothing is
// read from files or string resources, and no lookup allocates.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/bands.hpp"
#include "model/memory_type.hpp"
#include "text/ui_language.hpp"

namespace mr {

enum class Caption : std::uint8_t { CloseHint, Subtitle, Title };

std::u16string_view TypeName(UiLanguage language, MemoryType type);
// Lines joined by single carriage returns; line 0 is the band's heading.
std::u16string_view TypeDescription(UiLanguage language, MemoryType type, LevelBand band);
// The title comes without its suffix.
std::u16string_view CaptionText(UiLanguage language, Caption caption);
// Follows the title in both languages: " - " and the program's web address in capitals.
std::u16string_view TitleSuffix();
// The resource name of a rating's picture; never drawn as text.
std::u16string_view RatingBitmapName(Rating rating);
// The resource name of the same picture made at twice the resolution, for screens above 100 %.
std::u16string_view LargeRatingBitmapName(Rating rating);

}  // namespace mr
