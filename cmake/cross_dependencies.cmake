# Dependencies of a cross build that the target system's root does not hold:
# CLI11 is header-only and taken from the host's package; GoogleTest is built
# from the host's sources with the cross compiler. A native build finds both
# as installed packages and never includes this file.

function(zentrix_cli11_from_host)
  find_path(ZENTRIX_CLI11_INCLUDE_DIR CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  # A copy of the CLI folder alone, so that the host's other headers can
  # never shadow the target's.
  set(copy ${PROJECT_BINARY_DIR}/host-headers)
  file(COPY ${ZENTRIX_CLI11_INCLUDE_DIR}/CLI DESTINATION ${copy})
  add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${copy})
endfunction()

function(zentrix_googletest_from_source source_dir)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${source_dir} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(library gtest gtest_main gmock gmock_main)
    # Our warning flags are for our code, not for GoogleTest's.
    set_target_properties(${library} PROPERTIES COMPILE_OPTIONS "")
    if(NOT TARGET GTest::${library})
      add_library(GTest::${library} ALIAS ${library})
    endif()
  endforeach()
endfunction()
