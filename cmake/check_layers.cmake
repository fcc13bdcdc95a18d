# Checks that every include in SRC runs downward through the layers:
#   cmake -DSRC=<folder holding foundation/, channels/, ...> -P check_layers.cmake
#
# A file may include its own folder and the folders of lower levels, never a
# folder of its own level or above. Outside ui/ folders and the desktop
# program (apps/q7cps), a file includes neither a ui/ header nor a Qt header,
# so the radio logic, q7cli and q7sim build and are tested without Qt. A file
# in a folder the levels do not name is refused, so a new folder is placed on
# purpose.
#
# Prints one line per wrong include and fails when there is any.
cmake_minimum_required(VERSION 3.25)

# From the bottom up; folders of one level (comma separated) do not include each other.
set(Q7_LEVELS foundation channels "settings,comm" shell apps)

if(NOT SRC)
  message(FATAL_ERROR "usage: cmake -DSRC=<source folder> -P check_layers.cmake")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)

function(q7_level_of folder out)
  set(index 0)
  foreach(level ${Q7_LEVELS})
    string(REPLACE "," ";" members "${level}")
    if(folder IN_LIST members)
      set(${out} ${index} PARENT_SCOPE)
      return()
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  set(${out} -1 PARENT_SCOPE)
endfunction()

# Sets <prefix>_TOP, <prefix>_LEVEL and <prefix>_UI for a path relative to SRC.
function(q7_place path prefix)
  string(REGEX MATCH "^[^/]+" top "${path}")
  q7_level_of("${top}" level)
  set(ui FALSE)
  if(path MATCHES "(^|/)ui/")
    set(ui TRUE)
  endif()
  set(${prefix}_TOP ${top} PARENT_SCOPE)
  set(${prefix}_LEVEL ${level} PARENT_SCOPE)
  set(${prefix}_UI ${ui} PARENT_SCOPE)
endfunction()

# Appends to the list `fault_list` names what is wrong with one include line of file `path`.
function(q7_check_include path line fault_list)
  q7_place("${path}" file)
  set(found ${${fault_list}})
  set(may_use_qt FALSE)
  if(file_UI OR path MATCHES "^apps/q7cps/")
    set(may_use_qt TRUE)
  endif()
  if(line MATCHES "^#[ \t]*include[ \t]*<(Q[A-Za-z0-9_]*)")
    if(NOT may_use_qt)
      list(APPEND found "${path}: includes <${CMAKE_MATCH_1}>, a Qt header outside ui/ and the desktop program")
    endif()
  elseif(line MATCHES "^#[ \t]*include[ \t]*\"([^\"]+/[^\"]+)\"")
    set(target "${CMAKE_MATCH_1}")
    q7_place("${target}" inc)
    if(inc_LEVEL EQUAL -1)
      # Not a layered folder (generated files of the build).
    elseif(NOT inc_TOP STREQUAL file_TOP AND NOT inc_LEVEL LESS file_LEVEL)
      list(APPEND found "${path}: includes \"${target}\" from a level not below it")
    elseif(inc_UI AND NOT may_use_qt)
      list(APPEND found "${path}: includes \"${target}\", a ui/ header outside ui/ and the desktop program")
    endif()
  endif()
  set(${fault_list} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp" "${SRC}/*.inc")
set(faults)
foreach(path ${sources})
  q7_place("${path}" file)
  if(file_LEVEL EQUAL -1)
    list(APPEND faults "${path}: lies in folder \"${file_TOP}\", which no level names")
    continue()
  endif()
  file(STRINGS "${SRC}/${path}" lines REGEX "^#[ \t]*include")
  foreach(line ${lines})
    q7_check_include("${path}" "${line}" faults)
  endforeach()
endforeach()

list(LENGTH sources count)
if(faults)
  foreach(fault ${faults})
    message("${fault}")
  endforeach()
  message(FATAL_ERROR "includes that do not run downward through the layers")
endif()
message(STATUS "${count} files, every include runs downward")
