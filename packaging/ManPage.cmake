# Writes selvanor-cli's manual page (roff) from its own help: the overview of --help, then each
# command's help (selvanor-cli help COMMAND), then the exit statuses.
# Usage: cmake -DCLI=path/to/selvanor-cli -DOUT=path/to/selvanor-cli.1 -P ManPage.cmake

# roff: backslashes doubled, and a line may not begin with a dot or an apostrophe.
function(Roff text out)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "selvanor-cli --help failed")
endif()
execute_process(COMMAND ${CLI} --version OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "selvanor-cli " "" version "${version}")

# The first line is the summary, the paragraph from "Exit status:" on the exit statuses, and what
# lies between them the description.
string(FIND "${help}" "\n" first_break)
string(SUBSTRING "${help}" 0 ${first_break} summary)
string(REPLACE "selvanor-cli: " "" summary "${summary}")
string(FIND "${help}" "Exit status:" exit_start)
math(EXPR body_start "${first_break} + 1")
math(EXPR body_length "${exit_start} - ${body_start}")
string(SUBSTRING "${help}" ${body_start} ${body_length} body)
string(SUBSTRING "${help}" ${exit_start} -1 exit_status)
string(REPLACE "\n" " " exit_status "${exit_status}")
Roff("${body}" body)
Roff("${exit_status}" exit_status)

# The commands are the words at the start of the lines of the list under "Commands:".
string(REGEX MATCH "Commands:\n(  [^\n]*\n)+" list "${help}")
string(REGEX MATCHALL "\n  [a-z]+" names "${list}")
set(commands "")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${CLI} help ${name} OUTPUT_VARIABLE command_help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "selvanor-cli help ${name} failed")
  endif()
  Roff("${command_help}" command_help)
  string(APPEND commands ".SS ${name}\n.nf\n${command_help}.fi\n")
endforeach()

file(WRITE ${OUT}
".TH SELVANOR-CLI 1 \"\" \"selvanor-cli ${version}\" \"User Commands\"\n"
".SH NAME\n"
"selvanor-cli \\- ${summary}\n"
".SH SYNOPSIS\n"
".B selvanor-cli\n"
".I command\n"
"[\\fIoptions\\fR] [\\fIoperands\\fR]\n"
".br\n"
".B selvanor-cli help\n"
".I command\n"
".SH DESCRIPTION\n"
".nf\n"
"${body}"
".fi\n"
".SH COMMANDS\n"
"${commands}"
".SH EXIT STATUS\n"
"${exit_status}\n"
".SH ENVIRONMENT\n"
".TP\n"
".B TZDIR\n"
"The folder of the time-zone database whose zone1970.tab and iso3166.tab give the cities of\n"
"\\fB--place\\fR (default /usr/share/zoneinfo).\n"
".SH FILES\n"
".TP\n"
".I /usr/share/zoneinfo/zone1970.tab, /usr/share/zoneinfo/iso3166.tab\n"
"The cities of \\fB--place\\fR: the principal place of each zone, named with its country.\n"
".PP\n"
"The completion scripts: share/bash\\-completion/completions/selvanor\\-cli,\n"
"share/zsh/vendor\\-completions/_selvanor\\-cli (site\\-functions outside /usr) and\n"
"share/fish/vendor_completions.d/selvanor\\-cli.fish under the installation prefix.\n"
".SH SEE ALSO\n"
".BR selvanor (1)\n")
