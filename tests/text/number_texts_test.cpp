#include "text/number_texts.hpp"

#include <gtest/gtest.h>

namespace mr {
namespace {

struct CaptionCase {
    UiLanguage language;
    int year;
    int month;
    int day;
    std::u16string_view expected;
};

TEST(DateCaption, FollowsThePatternInBothLanguages) {
    const CaptionCase cases[] = {
        {UiLanguage::English, 2025, 1, 1, u"01 Jan 2025"},
        {UiLanguage::Russian, 2025, 1, 1, u"01 Янв 2025"},
        {UiLanguage::English, 2026, 9, 9, u"09 Sen 2026"},
        {UiLanguage::Russian, 2026, 9, 30, u"30 Сен 2026"},
        {UiLanguage::English, 2024, 5, 10, u"10 May 2024"},
        {UiLanguage::Russian, 2024, 5, 31, u"31 Май 2024"},
        {UiLanguage::English, 2026, 12, 8, u"08 Dec 2026"},
        {UiLanguage::Russian, 2026, 12, 8, u"08 Дек 2026"},
        // The turn of a month: day, month and year always from one date.
        {UiLanguage::English, 2024, 2, 29, u"29 Feb 2024"},
        {UiLanguage::English, 2024, 3, 1, u"01 Mar 2024"},
        {UiLanguage::Russian, 2023, 12, 31, u"31 Дек 2023"},
        {UiLanguage::Russian, 2024, 1, 1, u"01 Янв 2024"},
    };
    for (const CaptionCase& c : cases) {
        const std::u16string caption = DateCaption(c.language, c.year, c.month, c.day);
        EXPECT_TRUE(caption == c.expected) << c.year << '-' << c.month << '-' << c.day;
        EXPECT_EQ(caption.size(), 11U);
    }
}

TEST(DateCaption, EveryMonthHasItsOwnThreeLetters) {
    const std::u16string_view english[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                           u"Jul", u"Aug", u"Sen", u"Oct", u"Nov", u"Dec"};
    const std::u16string_view russian[] = {u"Янв", u"Фев", u"Мар", u"Апр", u"Май", u"Июн",
                                           u"Июл", u"Авг", u"Сен", u"Окт", u"Ноя", u"Дек"};
    for (int month = 1; month <= 12; ++month) {
        const auto i = static_cast<std::size_t>(month - 1);
        EXPECT_TRUE(MonthAbbreviation(UiLanguage::English, month) == english[i]) << month;
        EXPECT_TRUE(MonthAbbreviation(UiLanguage::Russian, month) == russian[i]) << month;
    }
}

TEST(DateCaption, YearsKeepAtLeastFourDigitsAndBadFieldsStaySafe) {
    EXPECT_TRUE(DateCaption(UiLanguage::English, 987, 7, 4) == u"04 Jul 0987");
    EXPECT_TRUE(DateCaption(UiLanguage::English, 30827, 12, 31) == u"31 Dec 30827");
    EXPECT_TRUE(MonthAbbreviation(UiLanguage::English, 0).empty());
    EXPECT_TRUE(MonthAbbreviation(UiLanguage::Russian, 13).empty());
    EXPECT_TRUE(DateCaption(UiLanguage::English, -1, 0, -5) == u"00  0000");
}

TEST(NumberTexts, TimeHourLabelsAndPercentages) {
    EXPECT_TRUE(TimeCaption({2026, 12, 8, 0, 0, 0}, u':') == u"00:00");
    EXPECT_TRUE(TimeCaption({2026, 12, 8, 9, 5, 0}, u'.') == u"09.05");
    EXPECT_TRUE(TimeCaption({2026, 12, 8, 23, 59, 59}, u':') == u"23:59");
    EXPECT_TRUE(TimeCaption({2026, 12, 8, 14, 37, 0}, u'h') == u"14h37");
    // An impossible reading shows the minute the hand points at.
    EXPECT_TRUE(TimeCaption({2026, 12, 8, 77, -1, 0}, u':') == u"23:00");

    EXPECT_TRUE(HourLabel(23) == u"23");
    EXPECT_TRUE(HourLabel(10) == u"10");
    EXPECT_TRUE(HourLabel(9) == u"09");
    EXPECT_TRUE(HourLabel(0) == u"00");

    const struct {
        Activeness value;
        std::u16string_view text;
    } rows[] = {{0, u"0%"}, {7, u"7%"}, {62, u"62%"}, {99, u"99%"}, {100, u"100%"}, {255, u"255%"}};
    for (const auto& row : rows) {
        EXPECT_TRUE(PercentageText(row.value) == row.text) << int{row.value};
    }
}

}  // namespace
}  // namespace mr
