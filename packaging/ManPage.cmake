# Writes selvanor-cli's manual page (roff) from its own --help and --version.
# Usage: cmake -DCLI=path/to/selvanor-cli -DOUT=path/to/selvanor-cli.1 -P ManPage.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "selvanor-cli --help failed")
endif()
execute_process(COMMAND ${CLI} --version OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "selvanor-cli " "" version "${version}")

# roff: backslashes doubled, and a line may not begin with a dot or an apostrophe.
string(REPLACE "\\" "\\\\" help "${help}")
string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" help "${help}")
# The first line is the summary; the rest is the body.
string(FIND "${help}" "\n" first_break)
string(SUBSTRING "${help}" 0 ${first_break} summary)
math(EXPR body_start "${first_break} + 1")
string(SUBSTRING "${help}" ${body_start} -1 body)
string(REPLACE "selvanor-cli: " "" summary "${summary}")

file(WRITE ${OUT}
".TH SELVANOR-CLI 1 \"\" \"selvanor-cli ${version}\" \"User Commands\"\n"
".SH NAME\n"
"selvanor-cli \\- ${summary}\n"
".SH SYNOPSIS\n"
".B selvanor-cli\n"
".I command\n"
"[\\fIoptions\\fR] [\\fIentries\\fR]\n"
".SH DESCRIPTION\n"
".nf\n"
"${body}"
".fi\n"
".SH ENVIRONMENT\n"
".TP\n"
".B TZDIR\n"
"The folder of the time-zone database whose zone1970.tab and iso3166.tab give the cities of\n"
"\\fB--place\\fR (default /usr/share/zoneinfo).\n"
".SH FILES\n"
".TP\n"
".I /usr/share/zoneinfo/zone1970.tab, /usr/share/zoneinfo/iso3166.tab\n"
"The cities of \\fB--place\\fR: the principal place of each zone, named with its country.\n"
".SH SEE ALSO\n"
".BR selvanor (1)\n")
