# The desktop program's tests cross-built for Windows run under Wine, with
# the DLLs they need found as Windows finds them, on the search path: Qt's
# from the Qt they were built against, the MinGW-w64 runtime's from the
# compiler. The Wine prefix lives in the build folder: it is created once,
# before the tests (see tests/CMakeLists.txt), never in the user's home.
find_program(ZENTRIX_WINE NAMES wine wine64 REQUIRED)
cmake_path(GET Qt6_DIR PARENT_PATH qt_cmake_folder)
cmake_path(GET qt_cmake_folder PARENT_PATH qt_library_folder)
cmake_path(GET qt_library_folder PARENT_PATH qt_prefix)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE threads_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
cmake_path(GET runtime_dll PARENT_PATH runtime_folder)
cmake_path(GET threads_dll PARENT_PATH threads_folder)
set(wine_search_path "Z:${qt_prefix}/bin;Z:${runtime_folder};Z:${threads_folder}")
set(wine_runner ${CMAKE_BINARY_DIR}/run-under-wine.sh)
file(WRITE ${wine_runner} "#!/bin/sh\n"
  "export WINEPREFIX='${CMAKE_BINARY_DIR}/wine-prefix' WINEDEBUG=-all\n"
  "export WINEDLLOVERRIDES='mscoree,mshtml=' WINEPATH='${wine_search_path}'\n"
  "exec '${ZENTRIX_WINE}' \"$@\"\n")
set(CMAKE_CROSSCOMPILING_EMULATOR /bin/sh ${wine_runner})
