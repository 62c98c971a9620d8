#include "text/ui_language.hpp"

#include <gtest/gtest.h>

namespace mr {
namespace {

TEST(UiLanguageChoice, OnlyTheThreeExactNamesGiveRussian) {
    for (const char16_t* name : {u"Russian", u"Belarusian", u"Ukrainian"}) {
        EXPECT_EQ(LanguageFromLocaleName(name), UiLanguage::Russian);
    }
    for (const char16_t* name :
         {u"russian", u"RUSSIAN", u"Russian ", u" Russian", u"Russian (Russia)", u"Ukrainian\t",
          u"Belarus", u"Russia", u"English", u"German", u"Kazakh", u"Russia\u043d", u""}) {
        EXPECT_EQ(LanguageFromLocaleName(name), UiLanguage::English);
    }
}

TEST(UiLanguageChoice, ComparesTheWholeNameIncludingEmbeddedZeros) {
    const std::u16string_view withZero(u"Russian\0x", 9);
    EXPECT_EQ(LanguageFromLocaleName(withZero), UiLanguage::English);
    EXPECT_EQ(static_cast<int>(UiLanguage::English), 0);
    EXPECT_EQ(static_cast<int>(UiLanguage::Russian), 1);
    EXPECT_EQ(sizeof(UiLanguage), 1U);
}

}  // namespace
}  // namespace mr
