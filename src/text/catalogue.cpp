#include "text/catalogue.hpp"

#include <array>

#include "text/descriptions.hpp"

namespace mr {

namespace {

using NameTable = std::array<std::u16string_view, kMemoryTypeCount>;

constexpr NameTable kEnglishNames = {
    u"Motorical Type (SPORT)",          u"Sensual Type (MUSIC)",      u"Imaging Type (ART)",
    u"Logical Type (SCIENCE)",          u"Aiming Type (ADVERTISING)", u"Managing Type (BUSINESS)",
    u"Worldoutlooking Type (RELIGION)",
};

// The art type's name has always been spelled with a Latin C after the Cyrillic С; it is kept so
// that the dial reads as it always has.
constexpr NameTable kRussianNames = {
    u"Моторный Тип (СПОРТ)",
    u"Чувственный Тип (МУЗЫКА)",
    u"Образный Тип (ИСКУС\u0043ТВО)",
    u"Логический Тип (НАУКА)",
    u"Целевой Тип (РЕКЛАМА)",
    u"Управленческий Тип (БИЗНЕС)",
    u"Мировоззренческий Тип (РЕЛИГИЯ)",
};

using CaptionTable = std::array<std::u16string_view, 3>;

constexpr CaptionTable kEnglishCaptions = {
    u"Close - any key", u"THE CURRENT ACTIVENESS OF HUMAN MEMORY", u"MEMORY RHYTHMS"};
constexpr CaptionTable kRussianCaptions = {u"Закрыть - любая клавиша",
                                           u"ТЕКУЩАЯ АКТИВНОСТЬ ПАМЯТИ ЧЕЛОВЕКА", u"РИТМЫ ПАМЯТИ"};

// A reserved name: it belongs to nobody, so the title never advertises a stranger's site.
constexpr std::u16string_view kTitleSuffix = u" - WWW.MEMORY-RHYTHMS.EXAMPLE";

constexpr std::array<std::u16string_view, 3> kRatingBitmapNames = {u"GOOD", u"NORMAL", u"BAD"};
constexpr std::array<std::u16string_view, 3> kLargeRatingBitmapNames = {u"GOOD96", u"NORMAL96",
                                                                        u"BAD96"};

bool IsRussian(UiLanguage language) {
    return language == UiLanguage::Russian;
}

// Out-of-range indexes (a corrupted value) land on the last entry instead of past the table.
std::size_t Clamped(std::size_t index, std::size_t count) {
    return index < count ? index : count - 1;
}

}  // namespace

std::u16string_view TypeName(UiLanguage language, MemoryType type) {
    const NameTable& names = IsRussian(language) ? kRussianNames : kEnglishNames;
    return names[Clamped(Index(type), kMemoryTypeCount)];
}

std::u16string_view TypeDescription(UiLanguage language, MemoryType type, LevelBand band) {
    const DescriptionTable& table =
        IsRussian(language) ? kRussianDescriptions : kEnglishDescriptions;
    return table[Clamped(Index(type), kMemoryTypeCount)][Clamped(band, kLevelBandCount)];
}

std::u16string_view CaptionText(UiLanguage language, Caption caption) {
    const CaptionTable& captions = IsRussian(language) ? kRussianCaptions : kEnglishCaptions;
    return captions[Clamped(static_cast<std::size_t>(caption), captions.size())];
}

std::u16string_view TitleSuffix() {
    return kTitleSuffix;
}

std::u16string_view RatingBitmapName(Rating rating) {
    return kRatingBitmapNames[Clamped(static_cast<std::size_t>(rating), kRatingBitmapNames.size())];
}

std::u16string_view LargeRatingBitmapName(Rating rating) {
    return kLargeRatingBitmapNames[Clamped(static_cast<std::size_t>(rating),
                                           kLargeRatingBitmapNames.size())];
}

}  // namespace mr
