// The saver's display name as Windows reads it for the Screen Saver list: string 1 of the .scr,
// loaded as a data file (nothing of the saver runs).
//   display_name_check <memory-rhythms.scr> <English|Russian>
// Checks that string 1 exists in exactly two tables, English and Russian, each with its text, and
// that the lookup without a language (LoadStringW, as the list does) gives the version named on
// the command line under the locale the test starts Wine with. Exit code 0 when all hold.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kDisplayNameId = 1;
const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL);
const LANGID kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_NEUTRAL);
const std::wstring kEnglishName = L"Memory Rhythms";
const std::wstring kRussianName = L"Ритмы памяти";

int failures = 0;

void Report(bool ok, const char* what, const std::wstring& got) {
    std::printf("%s %s:", ok ? "ok:  " : "FAIL:", what);
    // Code points, so that the Cyrillic needs no console code page.
    for (wchar_t unit : got) {
        std::printf(" %04X", static_cast<unsigned>(unit));
    }
    std::printf("\n");
    if (!ok) {
        ++failures;
    }
}

// String tables hold 16 counted strings a block; block n + 1 holds the ids 16n to 16n + 15.
std::wstring StringInLanguage(HMODULE module, UINT id, LANGID language) {
    HRSRC block = ::FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    if (block == nullptr) {
        return L"";
    }
    HGLOBAL loaded = ::LoadResource(module, block);
    const auto* data = static_cast<const WCHAR*>(::LockResource(loaded));
    if (data == nullptr) {
        return L"";
    }
    for (UINT i = 0; i < id % 16; ++i) {
        data += 1 + *data;
    }
    return std::wstring(data + 1, *data);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) {
    reinterpret_cast<std::vector<LANGID>*>(list)->push_back(language);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::printf("usage: display_name_check <saver.scr> <English|Russian>\n");
        return 2;
    }
    HMODULE saver = ::LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (saver == nullptr) {
        std::printf("FAIL: cannot load %ls as a data file (error %lu)\n", argv[1],
                    ::GetLastError());
        return 1;
    }

    std::vector<LANGID> languages;
    ::EnumResourceLanguagesW(saver, RT_STRING, MAKEINTRESOURCEW(kDisplayNameId / 16 + 1),
                             CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
    // One unit a language: Report prints each in hex.
    std::wstring listed(languages.begin(), languages.end());
    Report(languages == std::vector<LANGID>{kEnglish, kRussian},
           "languages of string block 1 are English 0009 and Russian 0019", listed);

    std::wstring english = StringInLanguage(saver, kDisplayNameId, kEnglish);
    Report(english == kEnglishName, "English string 1 is \"Memory Rhythms\"", english);
    std::wstring russian = StringInLanguage(saver, kDisplayNameId, kRussian);
    Report(russian == kRussianName, "Russian string 1 is \"Ритмы памяти\" (UTF-8 source)", russian);

    const WCHAR* text = nullptr;
    int length = ::LoadStringW(saver, kDisplayNameId, reinterpret_cast<LPWSTR>(&text), 0);
    std::wstring chosen =
        text != nullptr && length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : L"";
    bool wantRussian = std::wcscmp(argv[2], L"Russian") == 0;
    Report(
        chosen == (wantRussian ? kRussianName : kEnglishName),
        wantRussian ? "LoadStringW picks the Russian name" : "LoadStringW picks the English name",
        chosen);

    ::FreeLibrary(saver);
    return failures == 0 ? 0 : 1;
}
