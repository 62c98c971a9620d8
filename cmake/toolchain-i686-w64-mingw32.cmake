# 32-bit Windows with MinGW-w64. The -posix compilers are required: GoogleTest needs std::mutex,
# which the -win32 thread model of GCC 12 lacks. Fail at once when a tool is missing.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(MR_MINGW_PREFIX i686-w64-mingw32)
find_program(MR_MINGW_CXX ${MR_MINGW_PREFIX}-g++-posix)
find_program(MR_MINGW_CC ${MR_MINGW_PREFIX}-gcc-posix)
find_program(MR_MINGW_RC ${MR_MINGW_PREFIX}-windres)
foreach(tool MR_MINGW_CXX MR_MINGW_CC MR_MINGW_RC)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} not found: install g++-mingw-w64-i686 (scripts/setup does)")
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
# long double stays in the x87 unit.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# No MinGW runtime DLLs beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(MR_WINE wine)
if(MR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MR_WINE})
endif()
