# The layer check refuses each kind of wrong include and lets the right ones through:
#   cmake -DCHECK=<check_layers.cmake> -DWORK=<scratch folder> -P check_layers_test.cmake
#
# Each case is a source tree of one file beside a clean foundation header; the
# case names the file, the include line it holds and the line the check must
# print, or "" where the check must pass. Each case that goes wrong is an error.
cmake_minimum_required(VERSION 3.25)

set(cases
  "foundation/image.h|#include \"shell/startup.h\"|foundation/image.h: includes \"shell/startup.h\" from a level not below it"
  "channels/record.cpp|#include \"settings/page.h\"|channels/record.cpp: includes \"settings/page.h\" from a level not below it"
  "settings/page.cpp|#include \"comm/link.h\"|settings/page.cpp: includes \"comm/link.h\" from a level not below it"
  "comm/link.cpp|#include \"settings/page.h\"|comm/link.cpp: includes \"settings/page.h\" from a level not below it"
  "channels/record.cpp|#include \"channels/ui/grid.h\"|channels/record.cpp: includes \"channels/ui/grid.h\", a ui/ header outside ui/"
  "comm/link.cpp|#include \"foundation/ui/qt_text.h\"|comm/link.cpp: includes \"foundation/ui/qt_text.h\", a ui/ header outside ui/"
  "comm/link.cpp|#include <QString>|comm/link.cpp: includes <QString>, a Qt header outside ui/"
  "widgets/box.h|#include \"foundation/image.h\"|widgets/box.h: lies in folder \"widgets\", which no level names"
  "comm/ui/window.cpp|#include \"channels/ui/grid.h\"|"
  "comm/ui/window.cpp|#include <QWidget>|"
  "shell/startup.cpp|#include \"settings/page.h\"|"
  "settings/page.cpp|#include \"settings/ui/view.h\"|settings/page.cpp: includes \"settings/ui/view.h\", a ui/ header outside ui/"
  "apps/q7cps/main.cpp|#include \"foundation/ui/qt_prompts.h\"|"
  "apps/q7cps/main.cpp|#include <QApplication>|"
  "apps/q7cli/main.cpp|#include \"foundation/ui/qt_prompts.h\"|apps/q7cli/main.cpp: includes \"foundation/ui/qt_prompts.h\", a ui/ header outside ui/ and the desktop program"
  "apps/q7sim/main.cpp|#include <QCoreApplication>|apps/q7sim/main.cpp: includes <QCoreApplication>, a Qt header outside ui/ and the desktop program"
  "shell/editor.cpp|#include \"shipped/corvane.def.inc\"|")

set(index 0)
foreach(case ${cases})
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 path)
  list(GET fields 1 include)
  list(LENGTH fields count)
  set(expected "")
  if(count GREATER 2)
    list(GET fields 2 expected)
  endif()
  set(tree "${WORK}/case${index}")
  file(REMOVE_RECURSE "${tree}")
  file(WRITE "${tree}/foundation/image.h" "#pragma once\n#include <cstdint>\n")
  file(WRITE "${tree}/${path}" "#pragma once\n${include}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${tree} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expected STREQUAL "" AND NOT result EQUAL 0)
    message(SEND_ERROR "${path} with ${include}: refused, should pass:\n${err}")
  elseif(NOT expected STREQUAL "" AND result EQUAL 0)
    message(SEND_ERROR "${path} with ${include}: passed, should be refused")
  elseif(NOT expected STREQUAL "")
    string(FIND "${err}" "${expected}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${path} with ${include}: refused without \"${expected}\":\n${err}")
    endif()
  endif()
  math(EXPR index "${index} + 1")
endforeach()

message(STATUS "${index} cases")
