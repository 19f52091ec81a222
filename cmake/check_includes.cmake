# cmake -DSOURCE_DIR=src -P check_includes.cmake
# Fails when a file under SOURCE_DIR includes one of our headers by a name
# that does not start with a layer folder ("model/", "structure/", "files/", "drawing/",
# "picture/", "generation/", "templates/", "ui/", "cli/") or that climbs with "..": such a name is
# found beside the including file, past the include roots that keep each
# library to the layers below it.
file(GLOB_RECURSE files ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(bad)
foreach(file IN LISTS files)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" name "${line}")
    if(NOT name MATCHES "^(model|structure|files|generation|templates|drawing|picture|ui|cli)/" OR name MATCHES "\\.\\.")
      file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
      list(APPEND bad "  src/${shown}: \"${name}\"")
    endif()
  endforeach()
endforeach()
if(bad)
  list(JOIN bad "\n" shown)
  message(FATAL_ERROR "Includes that do not start with a layer folder:\n${shown}")
endif()
list(LENGTH files count)
message(STATUS "Every include of ${count} files starts with a layer folder")
