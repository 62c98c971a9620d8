// Stand-in for the system's wtsapi32.dll, for the installer tests of the desk check: it answers the
// session's user name and domain with MR_FAKE_WTS_USER and MR_FAKE_WTS_DOMAIN where those are set
// (an empty value included: nobody signed in at the desk), and with the account it runs as where
// they are not. The tests put it into the system folder of a copy of the Wine prefix and load it
// with WINEDLLOVERRIDES=wtsapi32=n for the setup program alone.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cwchar>

namespace {

// WTS_INFO_CLASS
constexpr int kUserName = 5;
constexpr int kDomainName = 7;

}  // namespace

extern "C" {
__attribute__((dllexport)) BOOL WINAPI WTSQuerySessionInformationW(HANDLE, DWORD, int, LPWSTR*,
                                                                   DWORD*);
__attribute__((dllexport)) void WINAPI WTSFreeMemory(PVOID);
}

extern "C" __attribute__((dllexport)) BOOL WINAPI WTSQuerySessionInformationW(HANDLE, DWORD,
                                                                              int infoClass,
                                                                              LPWSTR* buffer,
                                                                              DWORD* bytes) {
    if (infoClass != kUserName && infoClass != kDomainName) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    constexpr DWORD kLength = 256;
    auto* text = static_cast<wchar_t*>(LocalAlloc(LPTR, kLength * sizeof(wchar_t)));
    if (text == nullptr) {
        return FALSE;
    }
    const wchar_t* forced = infoClass == kUserName ? L"MR_FAKE_WTS_USER" : L"MR_FAKE_WTS_DOMAIN";
    SetLastError(ERROR_SUCCESS);
    if (GetEnvironmentVariableW(forced, text, kLength) == 0 &&
        GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
        DWORD length = kLength;
        if (infoClass == kUserName) {
            GetUserNameW(text, &length);
        } else {
            GetComputerNameW(text, &length);
        }
    }
    *buffer = text;
    *bytes = static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t));
    return TRUE;
}

extern "C" __attribute__((dllexport)) void WINAPI WTSFreeMemory(PVOID memory) {
    LocalFree(memory);
}
