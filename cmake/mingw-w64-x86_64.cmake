# Cross toolchain for 64-bit Windows (XP x64 and later) with Debian's mingw-w64. The oldest
# 64-bit Windows is version 5.2, the lowest subsystem version a 64-bit program may declare.
set(TESSIVAR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSIVAR_WINDOWS_VERSION 0x0502)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
