# Cross toolchain for 32-bit Windows (XP and later) with Debian's mingw-w64.
set(TESSIVAR_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TESSIVAR_WINDOWS_VERSION 0x0501)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
