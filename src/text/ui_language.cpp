#include "text/ui_language.hpp"

#include <array>

namespace mr {

UiLanguage LanguageFromLocaleName(std::u16string_view englishLanguageName) {
    // Russian texts for the languages whose speakers read Russian.
    constexpr std::array<std::u16string_view, 3> kRussianReaders = {u"Russian", u"Belarusian",
                                                                    u"Ukrainian"};
    for (const std::u16string_view name : kRussianReaders) {
        if (englishLanguageName == name) {
            return UiLanguage::Russian;
        }
    }
    return UiLanguage::English;
}

}  // namespace mr
