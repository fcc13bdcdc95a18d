# Compresses a file as Debian ships documentation: gzip -9n, without name and time.
#   cmake -DIN=<file> -DOUT=<file.gz> -P gzip_file.cmake
execute_process(COMMAND gzip -9nc "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip ${IN}: ${result}")
endif()
