# What the two MinGW-w64 toolchains share; each toolchain file sets CMAKE_SYSTEM_PROCESSOR and
# MR_MINGW_PREFIX, names the Debian package that has the compilers, and includes this file.
# The -posix compilers are required: GoogleTest needs std::mutex, which the -win32 thread model of
# GCC 12 lacks. Fail at once when a tool is missing.
set(CMAKE_SYSTEM_NAME Windows)

find_program(MR_MINGW_CXX ${MR_MINGW_PREFIX}-g++-posix)
find_program(MR_MINGW_CC ${MR_MINGW_PREFIX}-gcc-posix)
find_program(MR_MINGW_RC ${MR_MINGW_PREFIX}-windres)
find_program(MR_MINGW_OBJDUMP ${MR_MINGW_PREFIX}-objdump)
foreach(tool MR_MINGW_CXX MR_MINGW_CC MR_MINGW_RC MR_MINGW_OBJDUMP)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} not found: install ${MR_MINGW_PACKAGE} (scripts/setup does)")
    endif()
endforeach()

set(CMAKE_CXX_COMPILER ${MR_MINGW_CXX})
set(CMAKE_C_COMPILER ${MR_MINGW_CC})
set(CMAKE_RC_COMPILER ${MR_MINGW_RC})

set(CMAKE_FIND_ROOT_PATH /usr/${MR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# float and double in SSE registers, so that every store rounds exactly once, as on the host;
# long double stays in the x87 unit. (The default on x86-64, and said here for both.)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# No MinGW runtime DLLs beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Each build's programs start under the Wine of their own architecture. Debian's wine is a wrapper
# that takes 32-bit Wine where it is installed: a 64-bit program named by its file it hands on to
# 64-bit Wine, but Wine's own programs (cmd, reg, winepath) and a program named by a Windows path
# then run as 32-bit ones, which see SysWOW64 as System32 and the 32-bit registry. So the x64
# build takes the 64-bit loader itself (Debian keeps it in /usr/lib/wine), the x86 build wine.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    find_program(MR_WINE NAMES wine64 wine PATHS /usr/lib/wine)
else()
    find_program(MR_WINE NAMES wine)
endif()
if(MR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MR_WINE})
endif()
