// Holds a file open as Windows holds the file of a running program, for the installer tests: others
// may read it and rename it, but not write it. With "norename" others may not rename it either, as
// when another program holds it. Prints "held" once it does, and holds it until it is ended.
//
//   hold_file.exe <path> [norename]
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    DWORD share = FILE_SHARE_READ;
    if (argc < 3 || std::wcscmp(argv[2], L"norename") != 0) {
        share |= FILE_SHARE_DELETE;
    }
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open the file: error %lu\n", GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
