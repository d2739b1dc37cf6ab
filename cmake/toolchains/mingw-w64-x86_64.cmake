# Cross-builds the Windows program on Linux with Debian's mingw-w64 (the posix thread model,
# which std::thread and std::mutex need), and runs the built tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORLUNE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORLUNE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORLUNE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MORLUNE_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${MORLUNE_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${MORLUNE_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# Libraries and headers come from the target's root only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MORLUNE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program needs only the DLLs that come with Windows: the compiler's own runtime and
# winpthreads are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine. Debian's wine64 keeps its launcher off the PATH.
find_program(MORLUNE_WINE_LAUNCHER
  NAMES wine64 wine
  PATHS /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine
  NO_CMAKE_FIND_ROOT_PATH)
if(MORLUNE_WINE_LAUNCHER)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MORLUNE_WINE_LAUNCHER})
endif()
# Listing a test program's cases needs Wine, so it waits until ctest runs rather than
# holding up the build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
