# What `cmake --install` puts where, in the GNU layout (bin/, share/...),
# and the Debian package that CPack makes of it. An installed zentrix finds
# its images and readmes in share/zentrix from its own folder (see
# src/ui/qt/CMakeLists.txt).
set(data_folder ${CMAKE_INSTALL_DATADIR}/zentrix)
set(install_build_folder ${PROJECT_BINARY_DIR}/install)
file(MAKE_DIRECTORY ${install_build_folder})
file(GLOB examples CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.dat)
file(GLOB images CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/uir/*)
file(GLOB readmes CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/Doc/*)
install(TARGETS zentrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${examples} DESTINATION ${data_folder}/examples)
install(FILES resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The changelog and the metainfo name the release; a version bump without
# them stops here rather than shipping a package that contradicts itself.
foreach(file resources/debian/changelog resources/desktop/zentrix.metainfo.xml)
  file(READ ${file} text)
  string(REGEX MATCH "\\(([0-9.]+)\\)|<release version=\"([0-9.]+)\"" found "${text}")
  if(NOT "${CMAKE_MATCH_1}${CMAKE_MATCH_2}" STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${file} names release ${CMAKE_MATCH_1}${CMAKE_MATCH_2}, "
                        "the project is ${PROJECT_VERSION}: add the release there")
  endif()
endforeach()

# Debian's tools read compressed manual pages and changelogs; -n keeps the
# date out, so the package is reproducible.
find_program(ZENTRIX_GZIP gzip REQUIRED)
set(installed_generated)
function(zentrix_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND ${ZENTRIX_GZIP} -9nc ${source} > ${target}
    DEPENDS ${source})
  set(installed_generated ${installed_generated} ${target} PARENT_SCOPE)
endfunction()
zentrix_gzip(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${install_build_folder}/changelog.gz)
install(FILES ${install_build_folder}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages from each program's own --help, at build time (a cross build
# cannot run its programs, so it has none). The programs run in an empty
# folder, so that no language.dat turns the help Romanian.
set(programs zentrix-cli)
if(TARGET zentrix)
  list(APPEND programs zentrix)
endif()
if(NOT CMAKE_CROSSCOMPILING)
  set(quiet_folder ${install_build_folder}/empty)
  file(MAKE_DIRECTORY ${quiet_folder})
  foreach(program IN LISTS programs)
    set(page ${install_build_folder}/${program}.1)
    set(see_also zentrix)
    if(program STREQUAL "zentrix")
      set(see_also zentrix-cli)
    endif()
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
              -DSEE_ALSO=${see_also} -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/manual_page.cmake
      WORKING_DIRECTORY ${quiet_folder}
      DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/manual_page.cmake VERBATIM)
    zentrix_gzip(${page} ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
endif()

if(TARGET zentrix)
  install(TARGETS zentrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${images} DESTINATION ${data_folder}/uir)
  install(FILES ${readmes} DESTINATION ${data_folder}/Doc)
  install(FILES resources/desktop/zentrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/desktop/zentrix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          RENAME org.karvel.zentrix.metainfo.xml)
  # The application icon in the hicolor theme: the window icon's drawing,
  # rendered by rsvg-convert at each size, and the drawing itself.
  set(icon_source ${PROJECT_SOURCE_DIR}/resources/icons/Zentrix-2.svg)
  foreach(size 16 22 24 32 48 64 128 256)
    set(icon ${install_build_folder}/icons/${size}x${size}/zentrix.png)
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${install_build_folder}/icons/${size}x${size}
      COMMAND ${ZENTRIX_RSVG_CONVERT} --width ${size} --height ${size} --output ${icon} ${icon_source}
      DEPENDS ${icon_source} VERBATIM)
    list(APPEND installed_generated ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME zentrix.svg)
endif()
add_custom_target(zentrix_install_files ALL DEPENDS ${installed_generated})

include(cmake/debian_package.cmake)
