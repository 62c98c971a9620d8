// Lets the saver load on Windows XP and Server 2003. The static threads library that the C++
// runtime of this toolchain brings along imports GetTickCount64, which Windows has only since
// Vista; the loader refuses a program with an import it cannot bind, before any of its code runs.
// This file fills the library's import slot itself: the real function where the system has it,
// GetTickCount widened to 64 bits where it does not. The saver never waits on the library's timed
// operations, so the 49.7-day wrap of the fallback cannot reach it.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <atomic>

namespace {

using TickCount64Function = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI TickCount64Fallback() {
    return ::GetTickCount();
}

// Looked up at the first call; two threads that race there find the same answer.
constinit std::atomic<TickCount64Function> resolved{nullptr};

ULONGLONG WINAPI TickCount64() {
    TickCount64Function function = resolved.load(std::memory_order_acquire);
    if (function == nullptr) {
        const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
        const FARPROC found =
            kernel == nullptr ? nullptr : ::GetProcAddress(kernel, "GetTickCount64");
        function = found == nullptr
                       ? &TickCount64Fallback
                       : reinterpret_cast<TickCount64Function>(reinterpret_cast<void*>(found));
        resolved.store(function, std::memory_order_release);
    }
    return function();
}

}  // namespace

// The import slot itself, under the name the library's object code refers to; defined here, it
// keeps the linker from binding the import. 32-bit names carry a leading underscore and, for a
// __stdcall function, the size of its arguments; 64-bit names are plain.
#if defined(__i386__)
#define MR_TICK_COUNT64_IMPORT_SLOT "__imp__GetTickCount64@0"
#elif defined(__x86_64__)
#define MR_TICK_COUNT64_IMPORT_SLOT "__imp_GetTickCount64"
#else
#error "the import slot's name is known for i686 and x86-64 only"
#endif
extern "C" {
extern TickCount64Function tickCount64ImportSlot __asm__(MR_TICK_COUNT64_IMPORT_SLOT);
TickCount64Function tickCount64ImportSlot = &TickCount64;
}
