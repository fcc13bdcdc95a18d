# Turns a file into a C++ byte list: cmake -DIN=file -DOUT=file.inc -P embed_file.cmake
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUT} "${bytes}\n")
