# The git commit the build comes from, found when CMake configures: the
# short hash in ZENTRIX_GIT_COMMIT, empty when git or the repository is
# missing (a source archive) or when the source folder is not the top of its
# own repository (an archive unpacked inside another checkout). A commit or
# a checkout makes CMake configure again, so the hash follows HEAD.
set(ZENTRIX_GIT_COMMIT "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel --short=12 HEAD
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} RESULT_VARIABLE git_status
    OUTPUT_VARIABLE git_answer ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(git_status EQUAL 0)
    string(REPLACE "\n" ";" git_answer "${git_answer}")
    list(GET git_answer 0 git_top)
    list(GET git_answer 1 git_commit)
    file(REAL_PATH ${git_top} git_top)
    file(REAL_PATH ${PROJECT_SOURCE_DIR} source_top)
    if(git_top STREQUAL source_top)
      set(ZENTRIX_GIT_COMMIT ${git_commit})
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute
                              --git-path HEAD --git-path packed-refs
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE watched ERROR_QUIET
        OUTPUT_STRIP_TRAILING_WHITESPACE)
      execute_process(COMMAND ${GIT_EXECUTABLE} symbolic-ref -q HEAD
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE branch ERROR_QUIET
        OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(branch)
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path ${branch}
          WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE branch_file ERROR_QUIET
          OUTPUT_STRIP_TRAILING_WHITESPACE)
        string(APPEND watched "\n${branch_file}")
      endif()
      string(REPLACE "\n" ";" watched "${watched}")
      foreach(file IN LISTS watched)
        if(EXISTS ${file})
          set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
        endif()
      endforeach()
    endif()
  endif()
endif()
if(ZENTRIX_GIT_COMMIT)
  message(STATUS "ZENTRIX ${PROJECT_VERSION}, git commit ${ZENTRIX_GIT_COMMIT}")
else()
  message(STATUS "ZENTRIX ${PROJECT_VERSION}, no git commit known")
endif()

# Only the one unit that spells the version sees it, so a new commit
# recompiles that unit alone.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/model/program_version.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS ZENTRIX_VERSION="${PROJECT_VERSION}" ZENTRIX_GIT_COMMIT="${ZENTRIX_GIT_COMMIT}")
