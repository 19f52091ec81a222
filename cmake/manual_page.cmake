# Writes the manual page of one program from its own --help and --version
# output, so the page cannot drift from the program: the first paragraph of
# the help (less "PROGRAM: ") is the NAME line, the whole help the
# DESCRIPTION, and each subcommand listed under "Subcommands:" gets a
# section with its own --help.
#   cmake -DPROGRAM=path/to/zentrix-cli -DNAME=zentrix-cli -DSEE_ALSO=zentrix
#         -DOUTPUT=zentrix-cli.1 -P cmake/manual_page.cmake
foreach(variable PROGRAM NAME OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "manual_page.cmake needs -D${variable}=...")
  endif()
endforeach()

function(program_output out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE text)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} ended with ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text that roff shows as written: backslashes and minus signs escaped,
# a line that starts with a control character kept as text.
function(roff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(verbatim_section out heading text)
  roff_text(text "${text}")
  set(${out} ".SH ${heading}\n.nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

program_output(help --help)
program_output(version --version)
string(STRIP "${version}" version)

string(FIND "${help}" "\n\n" paragraph_end)
string(SUBSTRING "${help}" 0 ${paragraph_end} summary)
string(REGEX REPLACE "\nUsage:.*" "" summary "${summary}")
string(REGEX REPLACE "^${NAME}: *" "" summary "${summary}")
string(REGEX REPLACE "[ \n]+" " " summary "${summary}")
string(REGEX REPLACE "\\.$" "" summary "${summary}")
roff_text(summary "${summary}")
string(TOUPPER "${NAME}" title)
roff_text(title_version "${version}")
set(page ".\\\" Made from the output of \"${NAME} --help\" by cmake/manual_page.cmake.\n")
string(APPEND page ".TH ${title} 1 \"\" \"${title_version}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${summary}\n")
verbatim_section(section DESCRIPTION "${help}")
string(APPEND page "${section}")

string(REGEX MATCH "\nSubcommands:\n(  [^\n]*\n)+" commands "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" commands "${commands}")
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  program_output(command_help ${command} --help)
  roff_text(heading "${NAME} ${command}")
  verbatim_section(section "\"${heading}\"" "${command_help}")
  string(APPEND page "${section}")
endforeach()

string(APPEND page ".SH VERSION\n${title_version}\n")
if(SEE_ALSO)
  string(APPEND page ".SH \"SEE ALSO\"\n.BR ${SEE_ALSO} (1)\n")
endif()
file(WRITE ${OUTPUT} "${page}")
