# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# linked statically so that the programs need no runtime DLLs, and run under
# Wine. The Wine prefix lives in the build folder: it is created once, before
# the tests (see tests/CMakeLists.txt), never in the user's home.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZENTRIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZENTRIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZENTRIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZENTRIX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZENTRIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# GCC 12 warns wrongly about overlapping copies inside its own std::string
# code when it inlines deeply (-O3); the warning names no line of ours.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

find_program(ZENTRIX_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml= ${ZENTRIX_WINE})
