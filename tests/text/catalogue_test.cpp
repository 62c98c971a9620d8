#include "text/catalogue.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "text/line_split.hpp"

namespace mr {
namespace {

using LineCounts = std::array<std::array<int, kLevelBandCount>, kMemoryTypeCount>;

constexpr LineCounts kRussianLineCounts = {{
    {4, 4, 4, 5, 5, 5, 6, 5, 5, 5, 4},
    {4, 5, 5, 6, 4, 6, 6, 4, 5, 6, 5},
    {5, 5, 6, 5, 5, 5, 5, 5, 7, 7, 5},
    {5, 5, 6, 6, 5, 5, 5, 6, 6, 6, 4},
    {4, 5, 4, 4, 5, 4, 4, 7, 6, 7, 2},
    {4, 5, 4, 5, 5, 5, 5, 5, 7, 7, 2},
    {5, 5, 6, 5, 4, 5, 7, 6, 6, 7, 2},
}};

constexpr LineCounts kEnglishLineCounts = {{
    {4, 4, 4, 4, 5, 5, 6, 5, 4, 5, 5},
    {5, 6, 5, 6, 5, 6, 5, 4, 6, 7, 4},
    {5, 5, 7, 5, 4, 5, 5, 6, 6, 6, 5},
    {6, 5, 5, 5, 5, 5, 5, 6, 7, 5, 4},
    {5, 5, 4, 4, 4, 4, 5, 5, 6, 7, 2},
    {5, 5, 4, 6, 5, 5, 4, 5, 7, 7, 2},
    {5, 5, 6, 5, 4, 5, 5, 5, 6, 7, 2},
}};

// The lines as the badges draw them.
std::vector<std::u16string_view> Lines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    SplitIntoLines(text, lines);
    return lines;
}

std::size_t LanguageSlot(UiLanguage language) {
    return language == UiLanguage::Russian ? 1 : 0;
}

// The heading shows the highest activeness its band holds, up to 100.
int NominalPercentage(LevelBand band) {
    int nominal = 0;
    for (int value = 0; value <= 100; ++value) {
        nominal = LevelBandOf(static_cast<Activeness>(value)) == band ? value : nominal;
    }
    return nominal;
}

std::u16string Ascii(const char* text) {
    std::u16string out;
    for (; *text != 0; ++text) {
        out.push_back(static_cast<char16_t>(*text));
    }
    return out;
}

std::u16string ExpectedHeading(UiLanguage language, std::size_t type, LevelBand band) {
    std::u16string heading = language == UiLanguage::Russian ? u"Около " : u"About ";
    heading += Ascii(std::to_string(NominalPercentage(band)).c_str());
    heading += u"% :";
    if (language == UiLanguage::Russian && ((type == 3 && band == 3) || (type == 5 && band == 5))) {
        heading += u' ';
    }
    return heading;
}

bool IsCyrillic(char16_t c) {
    return c >= 0x0400 && c <= 0x04FF;
}
bool IsLatinLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

struct Place {
    UiLanguage language;
    std::size_t type;
    LevelBand band;
};

template <typename Visit>
void ForEachDescription(Visit visit) {
    for (UiLanguage language : {UiLanguage::English, UiLanguage::Russian}) {
        for (std::size_t type = 0; type < kMemoryTypeCount; ++type) {
            for (LevelBand band = 0; band < kLevelBandCount; ++band) {
                visit(Place{language, type, band},
                      TypeDescription(language, kAllMemoryTypes[type], band));
            }
        }
    }
}

std::string Where(const Place& p) {
    return std::string(p.language == UiLanguage::Russian ? "ru" : "en") + " type " +
           std::to_string(p.type) + " band " + std::to_string(p.band);
}

TEST(Descriptions, HaveTheirStructure) {
    ForEachDescription([](const Place& p, std::u16string_view text) {
        SCOPED_TRACE(Where(p));
        const bool russian = p.language == UiLanguage::Russian;
        const LineCounts& counts = russian ? kRussianLineCounts : kEnglishLineCounts;
        const auto lines = Lines(text);
        EXPECT_EQ(static_cast<int>(lines.size()), counts[p.type][p.band]);
        EXPECT_EQ(text.find(u'\n'), std::u16string_view::npos);
        EXPECT_FALSE(text.ends_with(u'\r'));
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines[0] == ExpectedHeading(p.language, p.type, p.band));
        const std::size_t shortest = russian ? 14 : 17;
        const std::size_t longest = russian ? 79 : 83;
        for (std::size_t n = 1; n < lines.size(); ++n) {
            EXPECT_GE(lines[n].size(), shortest) << "line " << n;
            EXPECT_LE(lines[n].size(), longest) << "line " << n;
        }
    });
}

TEST(Descriptions, AreAllDifferentAndTheTotalsAreAsWritten) {
    std::set<std::u16string_view> seen;
    std::array<std::size_t, 2> lineTotals{};
    std::array<std::size_t, 2> characterTotals{};
    std::array<std::u16string_view, 2> longestLine{};
    std::array<std::size_t, 2> shortestBodyLine = {SIZE_MAX, SIZE_MAX};
    ForEachDescription([&](const Place& p, std::u16string_view text) {
        EXPECT_TRUE(seen.insert(text).second) << Where(p);
        characterTotals[LanguageSlot(p.language)] += text.size();
        // The world-outlooking type's one-line warning is the shortest text of each language.
        const std::u16string_view shortest =
            TypeDescription(p.language, MemoryType::WorldOutlooking, 10);
        if (text != shortest) {
            EXPECT_GT(text.size(), shortest.size()) << Where(p);
        }
        const auto lines = Lines(text);
        for (std::size_t n = 0; n < lines.size(); ++n) {
            ++lineTotals[LanguageSlot(p.language)];
            if (lines[n].size() > longestLine[LanguageSlot(p.language)].size()) {
                longestLine[LanguageSlot(p.language)] = lines[n];
            }
            if (n > 0 && lines[n].size() < shortestBodyLine[LanguageSlot(p.language)]) {
                shortestBodyLine[LanguageSlot(p.language)] = lines[n].size();
            }
        }
    });
    EXPECT_EQ(lineTotals[LanguageSlot(UiLanguage::Russian)], 391U);
    EXPECT_EQ(lineTotals[LanguageSlot(UiLanguage::English)], 388U);
    // The planned totals, separators included, exactly: the layout was planned for them.
    EXPECT_EQ(characterTotals[LanguageSlot(UiLanguage::Russian)], 14138U);
    EXPECT_EQ(characterTotals[LanguageSlot(UiLanguage::English)], 17029U);
    // Both ends of the line-length range are reached, not merely respected.
    EXPECT_EQ(shortestBodyLine[LanguageSlot(UiLanguage::Russian)], 14U);
    EXPECT_EQ(shortestBodyLine[LanguageSlot(UiLanguage::English)], 17U);
    EXPECT_EQ(longestLine[LanguageSlot(UiLanguage::Russian)].size(), 79U);
    EXPECT_EQ(longestLine[LanguageSlot(UiLanguage::English)].size(), 83U);
    // The longest lines stand where the layout was planned around them.
    const auto ruLast = Lines(TypeDescription(UiLanguage::Russian, MemoryType::Managing, 8));
    EXPECT_TRUE(longestLine[LanguageSlot(UiLanguage::Russian)] == ruLast.back());
    const auto enLines =
        Lines(TypeDescription(UiLanguage::English, MemoryType::WorldOutlooking, 6));
    EXPECT_TRUE(longestLine[LanguageSlot(UiLanguage::English)] == enLines[4]);
}

TEST(Descriptions, UseOnlyTheirOwnAlphabetWithTheKnownExceptions) {
    std::size_t enDashes = 0;
    ForEachDescription([&](const Place& p, std::u16string_view text) {
        SCOPED_TRACE(Where(p));
        const bool russian = p.language == UiLanguage::Russian;
        const bool curlyApostrophes =
            !russian && ((p.type == 0 && p.band == 10) || (p.type == 1 && p.band == 1) ||
                         (p.type == 2 && p.band <= 2));
        bool sawCurly = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c == u'\u2013') {
                ++enDashes;
                EXPECT_TRUE(russian && p.type == 6 && p.band == 0);
            } else if (c == u'\u2019') {
                sawCurly = true;
                EXPECT_TRUE(curlyApostrophes);
            } else if (c == u'\'') {
                EXPECT_FALSE(curlyApostrophes) << "ASCII apostrophe at " << i;
            } else if (russian && IsLatinLetter(c)) {
                // Only the Latin c of "cвоих" stands inside Russian words.
                EXPECT_TRUE(p.type == 4 && p.band == 1 && c == u'c') << "Latin letter at " << i;
            } else if (!russian) {
                EXPECT_LT(c, 0x80) << "non-ASCII at " << i;
            } else {
                EXPECT_TRUE(c < 0x80 || IsCyrillic(c)) << "unexpected character at " << i;
            }
        }
        EXPECT_EQ(sawCurly, curlyApostrophes);
    });
    EXPECT_EQ(enDashes, 1U);
}

TEST(Descriptions, TheGivenTextsStandVerbatim) {
    EXPECT_TRUE(TypeDescription(UiLanguage::Russian, MemoryType::WorldOutlooking, 10) ==
                u"Около 100% :\rНадеемся, Вы не собираетесь объявлять себя Пророком!");
    EXPECT_TRUE(TypeDescription(UiLanguage::English, MemoryType::WorldOutlooking, 10) ==
                u"About 100% :\rHope, you are not going to declare yourself as Prophet!");
    EXPECT_TRUE(TypeDescription(UiLanguage::Russian, MemoryType::Sensual, 10) ==
                u"Около 100% :\rВы же не вулкан чувств?\rСтрасти вскипают по любому поводу.\r"
                u"Минздрав предупреждает:\r"
                u"\"Резкие перепады эмоций опасны для психического здоровья!\"");
    EXPECT_TRUE(TypeDescription(UiLanguage::Russian, MemoryType::Logical, 3) ==
                u"Около 35% : \rОшибки запоминания последовательности логических цепочек\r"
                u"бывают редко. \rПроблем с освоением математики нет.\r"
                u"Обучаемость логиками в норме.\rНо, карьера преподавателя не Ваш путь.");
    EXPECT_TRUE(TypeDescription(UiLanguage::Russian, MemoryType::Aiming, 1) ==
                u"Около 10% :\rВероятен пассивный стиль жизни.\r"
                u"Трудности при выборе оптимальной реализации \u0063воих целеустремлений.\r"
                u"Обучаемость структурами ограничена.\rВы вряд ли станете торговцем рекламой.");
    const auto perpetuum = Lines(TypeDescription(UiLanguage::English, MemoryType::Motorical, 10));
    ASSERT_EQ(perpetuum.size(), 5U);
    EXPECT_TRUE(perpetuum[4] == u"Aren\u2019t you a \"Perpetuum Mobile\"?");
    EXPECT_EQ(perpetuum[4].size(), 32U);
    const auto hyphenated = Lines(TypeDescription(UiLanguage::Russian, MemoryType::Sensual, 6));
    ASSERT_GE(hyphenated.size(), 3U);
    EXPECT_TRUE(hyphenated[1].ends_with(u"чувственно-"));
    EXPECT_TRUE(hyphenated[2] == u"эмоциональным темпераментом.");
}

TEST(Catalogue, NamesCaptionsAndColours) {
    const std::u16string_view art = TypeName(UiLanguage::Russian, MemoryType::Imaging);
    EXPECT_EQ(art.size(), 24U);
    EXPECT_FALSE(art == u"Образный Тип (ИСКУССТВО)");  // all-Cyrillic spelling
    EXPECT_EQ(art[18], u'\u0421');
    EXPECT_EQ(art[19], u'C');
    EXPECT_TRUE(TypeName(UiLanguage::English, MemoryType::WorldOutlooking) ==
                u"Worldoutlooking Type (RELIGION)");
    EXPECT_TRUE(TypeName(UiLanguage::English, MemoryType::Motorical) == u"Motorical Type (SPORT)");
    EXPECT_TRUE(TypeName(UiLanguage::Russian, MemoryType::Managing) ==
                u"Управленческий Тип (БИЗНЕС)");
    EXPECT_TRUE(CaptionText(UiLanguage::English, Caption::CloseHint) == u"Close - any key");
    EXPECT_TRUE(CaptionText(UiLanguage::Russian, Caption::CloseHint) == u"Закрыть - любая клавиша");
    EXPECT_TRUE(CaptionText(UiLanguage::English, Caption::Subtitle) ==
                u"THE CURRENT ACTIVENESS OF HUMAN MEMORY");
    EXPECT_TRUE(CaptionText(UiLanguage::Russian, Caption::Subtitle) ==
                u"ТЕКУЩАЯ АКТИВНОСТЬ ПАМЯТИ ЧЕЛОВЕКА");
    EXPECT_TRUE(CaptionText(UiLanguage::English, Caption::Title) == u"MEMORY RHYTHMS");
    EXPECT_TRUE(CaptionText(UiLanguage::Russian, Caption::Title) == u"РИТМЫ ПАМЯТИ");

    const std::u16string_view suffix = TitleSuffix();
    ASSERT_GT(suffix.size(), 3U);
    EXPECT_TRUE(suffix.substr(0, 3) == u" - ");
    for (char16_t c : suffix.substr(3)) {
        EXPECT_FALSE(c >= u'a' && c <= u'z');
        EXPECT_NE(c, u' ');
    }

    EXPECT_TRUE(RatingBitmapName(Rating::Good) == u"GOOD");
    EXPECT_TRUE(RatingBitmapName(Rating::Normal) == u"NORMAL");
    EXPECT_TRUE(RatingBitmapName(Rating::Bad) == u"BAD");
}

TEST(Catalogue, LookupsStayInsideTheirTables) {
    const auto bogusType = static_cast<MemoryType>(200);
    EXPECT_TRUE(TypeName(UiLanguage::English, bogusType) ==
                TypeName(UiLanguage::English, MemoryType::WorldOutlooking));
    EXPECT_TRUE(TypeDescription(UiLanguage::Russian, bogusType, 250) ==
                TypeDescription(UiLanguage::Russian, MemoryType::WorldOutlooking, 10));
    EXPECT_TRUE(CaptionText(static_cast<UiLanguage>(7), Caption::Title) == u"MEMORY RHYTHMS");
}

TEST(LineSplit, BreaksAndEnds) {
    const struct {
        std::u16string_view text;
        std::vector<std::u16string_view> lines;
    } rows[] = {
        {u"", {}},
        {u"one", {u"one"}},
        {u"a\rb", {u"a", u"b"}},
        {u"a\nb", {u"a", u"b"}},
        {u"a\r\nb", {u"a", u"b"}},       // CR LF is one break
        {u"a\n\rb", {u"a", u"", u"b"}},  // LF CR is two
        {u"a\r\rb", {u"a", u"", u"b"}},
        {u"a\r", {u"a"}},  // a final break starts no empty line
        {u"a\r\n", {u"a"}},
        {u"a\r\r", {u"a", u""}},
        {u"\r", {u""}},
        {u"\r\n", {u""}},
        {u"\n\n", {u"", u""}},
        {u"\rx", {u"", u"x"}},
        {u"About 65% :\rline\rlast", {u"About 65% :", u"line", u"last"}},
        {std::u16string_view(u"a\r\nb", 2), {u"a"}},  // cut from a longer text: no NUL after it
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.text.size() << " units, " << row.lines.size() << " lines");
        std::vector<std::u16string_view> lines = {u"stale"};
        SplitIntoLines(row.text, lines);
        EXPECT_EQ(lines, row.lines);
    }
}

}  // namespace
}  // namespace mr
