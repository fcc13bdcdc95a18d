# The shared-MIME type of data files: installed into a scratch data folder,
# the desktop's type lookup (gio) names it for a data file under any name, and
# not for a file of another kind. The desktop entry opens it.
#   cmake -DMIME=<type xml> -DSAMPLE=<data file> -DDESKTOP=<desktop entry>
#         -DWORK=<scratch folder> -P mime_type_test.cmake
file(STRINGS ${MIME} type_line REGEX "<mime-type type=")
string(REGEX REPLACE ".*type=\"([^\"]+)\".*" "\\1" type "${type_line}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/share/mime/packages ${WORK}/files)
file(COPY ${MIME} DESTINATION ${WORK}/share/mime/packages)
execute_process(COMMAND update-mime-database ${WORK}/share/mime RESULT_VARIABLE result
                OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "update-mime-database refused ${MIME}:\n${err}")
endif()

file(COPY_FILE ${SAMPLE} ${WORK}/files/radio.dat)
file(COPY_FILE ${SAMPLE} ${WORK}/files/radio-backup)
file(WRITE ${WORK}/files/notes.txt "not a data file\n")
# name, expected: the type or "other"
set(cases "radio.dat|${type}" "radio-backup|${type}" "notes.txt|other")
foreach(case ${cases})
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK}/share
                          XDG_DATA_DIRS=${WORK}/share:/usr/share
                          gio info -a standard::content-type ${WORK}/files/${name}
                  OUTPUT_VARIABLE info RESULT_VARIABLE result)
  string(REGEX MATCH "content-type: ([^\n]+)" found "${info}")
  set(found "${CMAKE_MATCH_1}")
  if(NOT result EQUAL 0 OR found STREQUAL "")
    message(SEND_ERROR "${name}: gio gave no type:\n${info}")
  elseif(expected STREQUAL "other" AND found STREQUAL type)
    message(SEND_ERROR "${name}: taken for a data file")
  elseif(NOT expected STREQUAL "other" AND NOT found STREQUAL expected)
    message(SEND_ERROR "${name}: ${found}, expected ${expected}")
  endif()
endforeach()

file(READ ${DESKTOP} entry)
if(NOT entry MATCHES "\nMimeType=([^\n]*;)?${type};")
  message(SEND_ERROR "the desktop entry does not open ${type}")
endif()
if(NOT entry MATCHES "\nExec=[^\n]* %f\n")
  message(SEND_ERROR "the desktop entry's command takes no file")
endif()
