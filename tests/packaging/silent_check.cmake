# Runs COMMAND on FILE and fails when it fails or says anything at all.
#   cmake -DCOMMAND=<program> -DFILE=<file> -P silent_check.cmake
execute_process(COMMAND ${COMMAND} ${FILE} RESULT_VARIABLE result OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "${COMMAND} ${FILE} (exit ${result}):\n${out}${err}")
endif()
