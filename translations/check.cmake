# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=... -DTS=file.ts -DSOURCES=list -DOPTIONS=... -DWORK=dir -P check.cmake
# Fails when the translation TS lacks a text of the sources or keeps one they no longer have.
get_filename_component(name ${TS} NAME)
file(MAKE_DIRECTORY ${WORK})
configure_file(${TS} ${WORK}/${name} COPYONLY)
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES} -ts ${WORK}/${name}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}${errors}")
endif()
message(STATUS "${output}")
# lupdate takes the ui:: of a control declared with a translated caption (and watch:: of a
# design) for a qualifier it cannot resolve, and says so; the text still lands in the context
# of the class whose tr() it is.
string(REGEX REPLACE "[^\n]*Qualifying with unknown namespace/class ::[a-z]+\n?" "" errors "${errors}")
if(errors MATCHES "[A-Za-z]")
  message(FATAL_ERROR "lupdate warned:\n${errors}")
endif()

file(READ ${WORK}/${name} ts)
string(REPLACE ";" "," ts "${ts}")  # entities (&amp;) and texts would split CMake's lists
string(REGEX MATCHALL "<message[ >]" messages "${ts}")
list(LENGTH messages count)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation( type=\"[a-z]+\")?>[^<]*</translation>"
       entries "${ts}")
set(faults "")
foreach(entry IN LISTS entries)
  set(kind "")
  if(entry MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    set(kind ${CMAKE_MATCH_1})
  elseif(entry MATCHES "<translation></translation>")
    set(kind empty)
  endif()
  if(kind)
    string(REGEX REPLACE "[ \n]+<translation.*" "" source "${entry}")
    string(APPEND faults "  ${kind}: ${source}\n")
  endif()
endforeach()
list(LENGTH entries checked)
if(NOT checked EQUAL count)
  string(APPEND faults "  ${count} messages, but ${checked} with one plain translation each\n")
endif()
if(faults)
  message(FATAL_ERROR "${name}: texts not translated (run the update_translations target, "
                      "then translate them in Qt Linguist):\n${faults}")
endif()
message(STATUS "${name}: ${count} texts, all translated")
