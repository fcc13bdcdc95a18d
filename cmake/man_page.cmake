# Man pages made from a program's own --help and --version at build time, so
# that the page says what the program says. Debian package help2man.
find_program(Q7_HELP2MAN help2man REQUIRED)
set(Q7_MAN_DIR ${CMAKE_BINARY_DIR}/man)

# q7_man_page(<program target> NAME "<one line for NAME>" [INCLUDE <file>]
#             [HELP_OPTION <option>])
# Builds ${CMAKE_BINARY_DIR}/man/<program>.1 with every build of the program
# for packaging/install.cmake to install into section 1. INCLUDE adds
# help2man's sections of a file ([DESCRIPTION], [EXAMPLES], [SEE ALSO], ...);
# HELP_OPTION is the option that prints the whole help (default --help).
function(q7_man_page target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "NAME;INCLUDE;HELP_OPTION" "")
  if(NOT arg_HELP_OPTION)
    set(arg_HELP_OPTION --help)
  endif()
  set(page ${Q7_MAN_DIR}/${target}.1)
  set(include_args)
  set(include_deps)
  if(arg_INCLUDE)
    set(include_args --include=${arg_INCLUDE})
    set(include_deps ${arg_INCLUDE})
  endif()
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${Q7_MAN_DIR}
    COMMAND ${Q7_HELP2MAN} --no-info --section=1 --name=${arg_NAME}
            --help-option=${arg_HELP_OPTION} ${include_args} --output=${page}
            $<TARGET_FILE:${target}>
    DEPENDS ${target} ${include_deps}
    COMMENT "Making the man page ${target}.1 from ${target} ${arg_HELP_OPTION}"
    VERBATIM)
  add_custom_target(${target}_man ALL DEPENDS ${page})
  # packaging/install.cmake installs it, compressed, with its program's package.
  set_property(GLOBAL APPEND PROPERTY Q7_MAN_PAGES ${page})
endfunction()
