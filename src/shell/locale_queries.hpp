// The two locale facts the saver reads: the interface language (from the system default locale)
// and the time separator (from the thread locale, which start-up makes the user default locale).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/saver_state.hpp"

namespace mr {

// The text a GetLocaleInfoW call left in its buffer: up to the first zero, empty when the call
// returned 0 or less.
std::u16string_view LocaleAnswer(std::int32_t result, std::span<const char16_t> buffer);

// A one-character answer is the separator; anything longer, empty or unreadable gives ':'.
char16_t TimeSeparatorFrom(std::int32_t result, std::span<const char16_t> buffer);

// Fixes uiLanguage from the English language name of the system default locale, asked with a
// 19-unit buffer so that an over-long name fails the call and gives English.
void SelectUiLanguage(Shell& shell);

// Makes the user default locale the thread locale and stores its time separator in the state.
void SetUpThreadLocale(Shell& shell);

}  // namespace mr
