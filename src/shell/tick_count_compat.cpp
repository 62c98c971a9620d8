// Lets the saver load on Windows XP and Server 2003. The static threads library that the C++
// runtime of this toolchain brings along imports GetTickCount64, which Windows has only since
// Vista; the loader refuses a program with an import it cannot bind, before any of its code runs.
// This file fills the library's import slot itself: the real function where the system has it,
// GetTickCount widened to 64 bits where it does not, counting its 49.7-day wraps so that the
// library's timed waits never see time run backwards.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "shell/tick_count_widening.hpp"

namespace {

using TickCount64Function = ULONGLONG(WINAPI*)();

// The widened count handed out last, shared by every thread that asks.
constinit std::atomic<std::uint64_t> lastTickCount{0};

ULONGLONG WINAPI TickCount64Fallback() {
    std::uint64_t last = lastTickCount.load();
    for (;;) {
        // Read after the last count was loaded, so that a smaller reading is a wrap and not a
        // reading that another thread took earlier and handed out later. When another thread
        // has handed one out meanwhile, read again against it.
        const std::uint64_t widened = mr::WidenTickCount(last, ::GetTickCount());
        if (lastTickCount.compare_exchange_weak(last, widened)) {
            return widened;
        }
    }
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
