// Stand-ins for the system's password libraries, for the end-to-end tests. Built twice: as
// PASSWORD.CPL (VerifyScreenSavePwd) and as MPR.DLL (PwdChangePasswordA). Each appends one line
// per call to the file named by MR_FAKE_LOG; VerifyScreenSavePwd answers MR_FAKE_ANSWER (0 or 1,
// default 1). With MR_FAKE_MODAL_MS set it first runs a message loop of its own for that long, as
// the system's password dialog does, and logs how the owner window fared meanwhile.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void AppendToLog(const char* line) {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("MR_FAKE_LOG", path, MAX_PATH) == 0) {
        return;
    }
    if (FILE* log = std::fopen(path, "a")) {
        std::fputs(line, log);
        std::fputs("\n", log);
        std::fclose(log);
    }
}

}  // namespace

#ifdef MR_FAKE_PASSWORD_CPL
namespace {

// Like a modal dialog over the owner: everything for the thread is dispatched, so the owner's
// paints (the part the dialog uncovers, asked for here, and the refresh thread's) come in
// between. Logs the paints seen and whether the owner's update region was empty at the end.
void RunModalLoop(HWND owner, DWORD milliseconds) {
    InvalidateRect(owner, nullptr, FALSE);
    int paints = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            paints += message.message == WM_PAINT && message.hwnd == owner ? 1 : 0;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    char line[128];
    std::snprintf(line, sizeof(line), "modal loop %lu ms paints=%d validated=%d",
                  static_cast<unsigned long>(GetTickCount() - start), paints,
                  GetUpdateRect(owner, nullptr, FALSE) ? 0 : 1);
    AppendToLog(line);
}

}  // namespace

extern "C" __attribute__((dllexport)) BOOL WINAPI VerifyScreenSavePwd(HWND owner) {
    char modal[16] = {};
    if (GetEnvironmentVariableA("MR_FAKE_MODAL_MS", modal, sizeof(modal)) != 0) {
        RunModalLoop(owner, static_cast<DWORD>(std::strtoul(modal, nullptr, 10)));
    }
    char answer[8] = {};
    GetEnvironmentVariableA("MR_FAKE_ANSWER", answer, sizeof(answer));
    const BOOL verified = answer[0] == '0' ? FALSE : TRUE;
    char line[128];
    std::snprintf(line, sizeof(line), "VerifyScreenSavePwd owner=%lu answer=%d",
                  HandleToULong(owner), verified);
    AppendToLog(line);
    return verified;
}
#endif

#ifdef MR_FAKE_MPR
extern "C" __attribute__((dllexport)) DWORD WINAPI PwdChangePasswordA(LPCSTR keyName, HWND owner,
                                                                      UINT reserved1,
                                                                      UINT reserved2) {
    char line[256];
    int used = std::snprintf(line, sizeof(line), "PwdChangePasswordA key=");
    for (const char* c = keyName; c != nullptr && *c != '\0' && used < 200; ++c) {
        used += std::snprintf(line + used, sizeof(line) - static_cast<size_t>(used), "%02x",
                              static_cast<unsigned char>(*c));
    }
    std::snprintf(line + used, sizeof(line) - static_cast<size_t>(used),
                  " owner=%lu reserved=%u,%u", HandleToULong(owner), reserved1, reserved2);
    AppendToLog(line);
    return 0;
}
#endif
