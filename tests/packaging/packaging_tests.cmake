# Checks of what the packages hand the desktop, included by the top CMakeLists.

# q7cli and q7sim load no Qt library, so the tools package needs none.
add_test(NAME ToolsLinkNoQt
  COMMAND ${CMAKE_COMMAND} -DPROGRAMS=$<TARGET_FILE:q7cli>,$<TARGET_FILE:q7sim>
          -P ${CMAKE_SOURCE_DIR}/tests/packaging/no_qt_test.cmake)

if(Q7_GUI)
  # The desktop entry passes desktop-file-validate without even a hint.
  add_test(NAME DesktopEntryValid
    COMMAND ${CMAKE_COMMAND} -DCOMMAND=desktop-file-validate
            -DFILE=${CMAKE_SOURCE_DIR}/packaging/${Q7_APP_ID}.desktop
            -P ${CMAKE_SOURCE_DIR}/tests/packaging/silent_check.cmake)
  # The AppStream data passes appstreamcli without a warning or a pedantic note.
  add_test(NAME AppStreamDataValid
    COMMAND appstreamcli validate --no-net --strict --pedantic
            ${CMAKE_SOURCE_DIR}/packaging/${Q7_APP_ID}.metainfo.xml)
  set_tests_properties(AppStreamDataValid PROPERTIES FAIL_REGULAR_EXPRESSION "^[EWIP]:|\n[EWIP]:")
  # A data file is known by its first six bytes, a .dat name only weakly.
  add_test(NAME DataFileMimeType
    COMMAND ${CMAKE_COMMAND} -DMIME=${CMAKE_SOURCE_DIR}/packaging/${Q7_APP_ID}.mime.xml
            -DSAMPLE=${CMAKE_SOURCE_DIR}/data/Data/Sample.dat -DWORK=${CMAKE_BINARY_DIR}/mime_check
            -DDESKTOP=${CMAKE_SOURCE_DIR}/packaging/${Q7_APP_ID}.desktop
            -P ${CMAKE_SOURCE_DIR}/tests/packaging/mime_type_test.cmake)
endif()

# The udev rule covers the adapters the README lists, and only those.
add_test(NAME UdevRuleMatchesReadme
  COMMAND ${CMAKE_COMMAND} -DRULE=${CMAKE_SOURCE_DIR}/packaging/70-q7cps-cables.rules
          -DREADME=${CMAKE_SOURCE_DIR}/README.md -P ${CMAKE_SOURCE_DIR}/tests/packaging/udev_rule_test.cmake)
