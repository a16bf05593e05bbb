# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a help2man include file (OUTPUT) with a COMMANDS section: every
# command the overview of ondrel-cli (PROGRAM) lists, as its own --help
# describes it, turned into roff by help2man (HELP2MAN) itself.
#   cmake -DPROGRAM=... -DHELP2MAN=... -DOUTPUT=... -P cli_commands.cmake

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE overview RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()
string(FIND "${overview}" "\nCommands:\n" start)
string(SUBSTRING "${overview}" ${start} -1 commands)
string(FIND "${commands}" "\n\n" end)
string(SUBSTRING "${commands}" 0 ${end} commands)
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*  " names "${commands}")

set(roff "[COMMANDS]\n")
foreach(entry IN LISTS names)
  string(STRIP "${entry}" name)
  # The help command's usage is the overview's.
  if(name STREQUAL "help")
    continue()
  endif()
  execute_process(
    COMMAND ${HELP2MAN} --no-info --help-option "help ${name}" --version-string 0 --name ${name}
            ${PROGRAM}
    OUTPUT_VARIABLE page RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man on ${PROGRAM} help ${name} failed (${status})")
  endif()
  # Its synopsis, description and options, with their headings as
  # paragraphs of the command's own subsection.
  string(FIND "${page}" ".SH SYNOPSIS\n" body)
  string(SUBSTRING "${page}" ${body} -1 page)
  string(REPLACE ".SH SYNOPSIS\n" ".SS ${name}\n" page "${page}")
  string(REPLACE ".SH DESCRIPTION\n" ".PP\n" page "${page}")
  string(REPLACE ".SH OPTIONS\n" ".PP\nOptions:\n" page "${page}")
  string(REGEX REPLACE "\n\\.SS \"([^\"]*)\"\n" "\n.PP\n\\1\n" page "${page}")
  string(APPEND roff "${page}")
endforeach()
file(WRITE ${OUTPUT} "${roff}")
