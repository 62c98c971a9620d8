#include "shell/locale_queries.hpp"

#include <array>

namespace mr {

std::u16string_view LocaleAnswer(std::int32_t result, std::span<const char16_t> buffer) {
    if (result <= 0) {
        return {};
    }
    const std::u16string_view all(buffer.data(), buffer.size());
    return all.substr(0, all.find(u'\0'));
}

char16_t TimeSeparatorFrom(std::int32_t result, std::span<const char16_t> buffer) {
    const std::u16string_view separator = LocaleAnswer(result, buffer);
    return separator.size() == 1 ? separator[0] : u':';
}

void SelectUiLanguage(Shell& shell) {
    shell.state.uiLanguage = UiLanguage::English;
    std::array<char16_t, 19> name{};
    const std::int32_t result = shell.services.GetLocaleInfoW(
        win::kLocaleSystemDefault, win::kLocaleSEnglishLanguage, std::span<char16_t>(name));
    shell.state.uiLanguage = LanguageFromLocaleName(LocaleAnswer(result, name));
}

void SetUpThreadLocale(Shell& shell) {
    shell.services.SetThreadLocale(win::kLocaleUserDefault);
    // The system allows at most four characters, the terminator included.
    std::array<char16_t, 4> separator{};
    const std::int32_t result = shell.services.GetLocaleInfoW(
        shell.services.GetThreadLocale(), win::kLocaleSTime, std::span<char16_t>(separator));
    shell.state.timeSeparator = TimeSeparatorFrom(result, separator);
}

}  // namespace mr
