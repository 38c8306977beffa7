# What both Windows cross toolchains share. The including file sets TESSIVAR_MINGW_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and TESSIVAR_WINDOWS_VERSION (the oldest Windows the program runs on,
# as _WIN32_WINNT: 0x0501 XP, 0x0502 XP x64 and Server 2003).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 5.1)

# The win32 thread model: the runtime then needs nothing from winpthreads, whose clock calls
# import GetTickCount64, which XP does not have.
set(CMAKE_C_COMPILER ${TESSIVAR_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TESSIVAR_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${TESSIVAR_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TESSIVAR_MINGW_TRIPLE}-gcc-ar-win32 CACHE FILEPATH "")
set(CMAKE_RANLIB ${TESSIVAR_MINGW_TRIPLE}-gcc-ranlib-win32 CACHE FILEPATH "")

# Libraries and headers come from the cross sysroot (and the dependency prefix the build adds),
# never from the Linux system; programs run on the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TESSIVAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Only the API of the oldest supported Windows is declared, so a newer function is a compile
# error rather than a missing import at start.
set(windows_version_defines "-D_WIN32_WINNT=${TESSIVAR_WINDOWS_VERSION} -DWINVER=${TESSIVAR_WINDOWS_VERSION}")
# (Set, not appended: CMake reads a toolchain file more than once.)
set(CMAKE_C_FLAGS_INIT "${windows_version_defines}")
set(CMAKE_CXX_FLAGS_INIT "${windows_version_defines}")

# One self-contained executable: the GCC runtime and the C++ library linked in, msvcrt.dll (on
# every Windows) as the C library, and the subsystem version the oldest target accepts.
math(EXPR windows_major "${TESSIVAR_WINDOWS_VERSION} >> 8")
math(EXPR windows_minor "${TESSIVAR_WINDOWS_VERSION} & 255")
string(CONCAT CMAKE_EXE_LINKER_FLAGS_INIT
  "-static -static-libgcc -static-libstdc++"
  " -Wl,--major-subsystem-version,${windows_major},--minor-subsystem-version,${windows_minor}"
  " -Wl,--major-os-version,${windows_major},--minor-os-version,${windows_minor}")

# A release program carries no symbols: a third of its size, and no use to a user.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
