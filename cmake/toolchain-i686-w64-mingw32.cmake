# 32-bit Windows (PE32, i686) with MinGW-w64: the saver for 32-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MR_MINGW_PREFIX i686-w64-mingw32)
set(MR_MINGW_PACKAGE g++-mingw-w64-i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
