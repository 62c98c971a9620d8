// The interface language of one run.
#pragma once

#include <cstdint>
#include <string_view>

namespace mr {

// One byte, English until the language is chosen at window creation.
enum class UiLanguage : std::uint8_t { English = 0, Russian = 1 };

// The decision from the English name of the system default locale's language. An empty name
// (the query failed) gives English. Compared exactly: no trimming, no case folding.
UiLanguage LanguageFromLocaleName(std::u16string_view englishLanguageName);

}  // namespace mr
