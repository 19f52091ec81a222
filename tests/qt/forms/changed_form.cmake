# cmake -DFORM=dialog102.ui -DCHANGE=rename|remove -DOUTPUT=dir/dialog102_controls.h
#       -DGENERATOR=cmake/form_controls.cmake -P changed_form.cmake
#
# Runs the build's form step on the main dialog's form with its GENERATE
# button (control1025) renamed or taken out. "rename" expects the step to
# refuse the form; "remove" writes the id list, without 1025, to OUTPUT.
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(READ ${FORM} text)
if(CHANGE STREQUAL "rename")
  string(REPLACE "name=\"control1025\"" "name=\"generateButton\"" text "${text}")
else()
  string(REGEX REPLACE "<widget class=\"QPushButton\" name=\"control1025\">.*</widget>[ \n]*<widget class=\"QPushButton\" name=\"control1026\">"
         "<widget class=\"QPushButton\" name=\"control1026\">" text "${text}")
endif()
set(changed ${folder}/changed/dialog102.ui)
file(WRITE ${changed} "${text}")
execute_process(COMMAND ${CMAKE_COMMAND} -DFORM=${changed} -DOUTPUT=${OUTPUT} -P ${GENERATOR}
                RESULT_VARIABLE status ERROR_VARIABLE said)
message("${said}")
if(CHANGE STREQUAL "rename" AND status EQUAL 0)
  message(FATAL_ERROR "the form step took a form with a renamed control")
endif()
if(CHANGE STREQUAL "remove" AND NOT status EQUAL 0)
  message(FATAL_ERROR "the form step refused a form without control 1025")
endif()
