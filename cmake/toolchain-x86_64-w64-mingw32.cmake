# 64-bit Windows (PE32+, x86-64) with MinGW-w64: the saver for 64-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MR_MINGW_PREFIX x86_64-w64-mingw32)
set(MR_MINGW_PACKAGE g++-mingw-w64-x86-64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
