# What `cmake --install` puts where, and the two Debian packages cpack makes of it:
#   q7cps-tools (component tools): q7cli, q7sim, the shipped files they read,
#               their man pages and the udev rule for the cables; no Qt.
#   q7cps (component gui): the desktop program, its desktop entry, icons,
#               AppStream data, data-file type and user guide.

set(Q7_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(Q7_COMPRESSED ${CMAKE_BINARY_DIR}/compressed)

# Compresses `file` into build/compressed/<name>.gz at build time and installs
# it into `destination` with `component`.
function(q7_install_compressed file destination component)
  get_filename_component(name ${file} NAME)
  set(out ${Q7_COMPRESSED}/${component}/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -P ${CMAKE_SOURCE_DIR}/cmake/gzip_file.cmake
    DEPENDS ${file} ${CMAKE_SOURCE_DIR}/cmake/gzip_file.cmake)
  string(MAKE_C_IDENTIFIER "q7_compressed_${component}_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${out})
  install(FILES ${out} DESTINATION ${destination} COMPONENT ${component})
endfunction()

# A program's man page goes into the package of the program it describes.
function(q7_install_man_page page)
  get_filename_component(program ${page} NAME_WE)
  set(component tools)
  if(program STREQUAL "q7cps")
    set(component gui)
  endif()
  if(component STREQUAL "gui" AND NOT Q7_GUI)
    return()
  endif()
  q7_install_compressed(${page} ${CMAKE_INSTALL_MANDIR}/man1 ${component})
endfunction()

# Every package carries the licence and the changelog under its own name.
set(Q7_PACKAGES tools q7cps-tools)
if(Q7_GUI)
  list(APPEND Q7_PACKAGES gui q7cps)
endif()
while(Q7_PACKAGES)
  list(POP_FRONT Q7_PACKAGES component package)
  install(FILES ${Q7_PACKAGING}/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
  q7_install_compressed(${Q7_PACKAGING}/debian/changelog
                        ${CMAKE_INSTALL_DATADIR}/doc/${package} ${component})
endwhile()

get_property(Q7_MAN_PAGES GLOBAL PROPERTY Q7_MAN_PAGES)
foreach(page ${Q7_MAN_PAGES})
  q7_install_man_page(${page})
endforeach()

# Installed, the programs find the shipped files in ../share/q7cps; the user
# guide is the desktop program's.
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/q7cps COMPONENT tools
        PATTERN "*Help.html" EXCLUDE)
install(FILES packaging/70-q7cps-cables.rules DESTINATION lib/udev/rules.d COMPONENT tools)

if(Q7_GUI)
  file(GLOB Q7_GUIDES CONFIGURE_DEPENDS data/*Help.html)
  install(FILES ${Q7_GUIDES} DESTINATION ${CMAKE_INSTALL_DATADIR}/q7cps COMPONENT gui)
  install(FILES packaging/${Q7_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT gui)
  install(FILES packaging/${Q7_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          COMPONENT gui)
  install(FILES packaging/${Q7_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${Q7_APP_ID}.xml COMPONENT gui)
  install(FILES packaging/icons/${Q7_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT gui)
  foreach(size ${Q7_ICON_SIZES})
    install(FILES packaging/icons/${Q7_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${Q7_APP_ID}.png COMPONENT gui)
  endforeach()
endif()

# cpack -G DEB: one package per component; Depends of each come from its
# programs' libraries (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME q7cps)
set(CPACK_PACKAGE_VENDOR "The q7cps developers")
set(CPACK_PACKAGE_CONTACT "q7cps developers <maintainers@q7cps.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://q7cps.org)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SOURCE q7cps)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME q7cps-tools)
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "command-line programmer and simulator for TARN Q7 radios
q7cli reads the configuration memory of a TARN Q7 hand-held radio through a
serial programming cable, shows, compares and converts data files (also to
and from JSON fleet files and CSV channel tables) and writes them back into
one radio or a batch of radios, with a backup before and a verify after
every write.
.
q7sim plays a radio on a pseudo-terminal, for trying everything without one.
The package also holds a udev rule that lets the user at the seat open the
usual USB adapters of programming cables.")

set(CPACK_DEBIAN_GUI_PACKAGE_NAME q7cps)
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS "q7cps-tools (= ${PROJECT_VERSION}), qt6-qpa-plugins")
set(CPACK_DEBIAN_GUI_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_GUI_DESCRIPTION "programming tool for TARN Q7 hand-held radios
q7cps reads the configuration memory of a TARN Q7 hand-held radio through a
serial programming cable, edits its sixteen channels and its radio functions
in a channel grid and on option pages, keeps the result as a data file and
writes it back into the radio. The interface speaks Simplified Chinese,
Traditional Chinese and English.
.
Every read and write keeps a backup, every write is read back and verified,
and edits can be undone. The command-line tools are in q7cps-tools.")
include(CPack)
