#include "text/number_texts.hpp"

#include <array>

#include "model/rhythm_model.hpp"

namespace mr {

namespace {

using MonthTable = std::array<std::u16string_view, 12>;

constexpr MonthTable kEnglishMonths = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                       u"Jul", u"Aug", u"Sen", u"Oct", u"Nov", u"Dec"};
constexpr MonthTable kRussianMonths = {u"Янв", u"Фев", u"Мар", u"Апр", u"Май", u"Июн",
                                       u"Июл", u"Авг", u"Сен", u"Окт", u"Ноя", u"Дек"};

constexpr std::u16string_view kPercentSign = u"%";

// Decimal digits of a non-negative value, zero-padded to at least minDigits.
void AppendNumber(std::u16string& out, unsigned value, std::size_t minDigits) {
    std::array<char16_t, 12> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0 && count < digits.size());
    while (count < minDigits && count < digits.size()) {
        digits[count++] = u'0';
    }
    while (count > 0) {
        out.push_back(digits[--count]);
    }
}

unsigned NonNegative(int value) {
    return value < 0 ? 0U : static_cast<unsigned>(value);
}

}  // namespace

std::u16string_view MonthAbbreviation(UiLanguage language, int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    const MonthTable& table = language == UiLanguage::Russian ? kRussianMonths : kEnglishMonths;
    return table[static_cast<std::size_t>(month - 1)];
}

std::u16string DateCaption(UiLanguage language, int year, int month, int day) {
    std::u16string caption;
    caption.reserve(11);
    AppendNumber(caption, NonNegative(day), 2);
    caption.push_back(u' ');
    caption.append(MonthAbbreviation(language, month));
    caption.push_back(u' ');
    AppendNumber(caption, NonNegative(year), 4);
    return caption;
}

std::u16string TimeCaption(const LocalMoment& moment, char16_t separator) {
    const auto minuteOfDay = static_cast<unsigned>(MinuteOfDay(moment));
    std::u16string caption;
    AppendNumber(caption, minuteOfDay / 60, 2);
    caption.push_back(separator);
    AppendNumber(caption, minuteOfDay % 60, 2);
    return caption;
}

std::u16string HourLabel(int hour) {
    std::u16string label;
    AppendNumber(label, NonNegative(hour), 2);
    return label;
}

std::u16string PercentageText(Activeness activeness) {
    std::u16string text;
    AppendNumber(text, activeness, 1);
    text.append(kPercentSign);
    return text;
}

}  // namespace mr
