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

# Debian's wine runs 32-bit programs with 32-bit Wine and, where that is absent, hands every
# program to 64-bit Wine: one emulator for both builds.
find_program(MR_WINE wine)
if(MR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MR_WINE})
endif()
