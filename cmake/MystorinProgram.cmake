# mystorin_add_program(NAME [LINKS lib...])
#
# A program folder NAME/ holds its record, readings, saved inputs and report writers at
# the top (and in sub-folders such as readings/), and its windows under NAME/window/.
# They become two libraries: NAME_core, which links no Qt Widgets and is what the unit
# tests link, and NAME_gui on top of it, which the executable and the scenario runner
# link. The executable itself is the shared start-up in shell/gui/program_main.cpp,
# compiled once for all of them, and one generated line that names the program.
set(MYSTORIN_PROGRAMS "" CACHE INTERNAL "")

# mystorin_desktop_id(PROGRAM VARIABLE): the freedesktop id of a program's menu entry and
# icon, without "org.mystorin.": the program's name capitalised ("Zendary"); the
# launcher's is the suite's own, "Mystorin". shell::desktopId is the same rule in C++.
function(mystorin_desktop_id program variable)
  if(program STREQUAL bar)
    set(program mystorin)
  endif()
  string(SUBSTRING ${program} 0 1 first)
  string(SUBSTRING ${program} 1 -1 rest)
  string(TOUPPER ${first} first)
  set(${variable} ${first}${rest} PARENT_SCOPE)
endfunction()
# `ninja programs` builds what starting the suite needs, and nothing else.
add_custom_target(programs)

function(mystorin_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "LINKS")

  file(GLOB_RECURSE core_sources CONFIGURE_DEPENDS ${name}/*.cpp ${name}/*.h)
  list(FILTER core_sources EXCLUDE REGEX "/${name}/window/")
  add_library(${name}_core STATIC ${core_sources})
  target_link_libraries(${name}_core PUBLIC shell_core numerology ${ARG_LINKS})

  file(GLOB gui_sources CONFIGURE_DEPENDS ${name}/window/*.cpp ${name}/window/*.h)
  set(qrc resources/${name}/${name}.qrc)
  if(NOT EXISTS ${CMAKE_SOURCE_DIR}/${qrc})
    set(qrc)
  endif()
  add_library(${name}_gui STATIC ${gui_sources} ${qrc})
  set_target_properties(${name}_gui PROPERTIES AUTORCC ON)
  target_link_libraries(${name}_gui PUBLIC ${name}_core shell_gui)
  mystorin_use_gui_pch(${name}_gui)

  # The shared main() is compiled once (mystorin_main); what is the program's own is
  # the one line that names it.
  set(entry ${CMAKE_BINARY_DIR}/program_entries/${name}.cpp)
  file(CONFIGURE OUTPUT ${entry} @ONLY CONTENT [[
namespace shell {
struct Program;
}
const shell::Program& mystorin_program_@name@();
const shell::Program& thisProgram() { return mystorin_program_@name@(); }
]])
  add_executable(${name} ${entry})
  target_link_libraries(${name} PRIVATE mystorin_main ${name}_gui mystorin_icons)
  # The programs live in a private folder, where they find one another for the hand-over;
  # bin/ gets only the `mystorin` command.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MYSTORIN_PROGRAMS_DIR})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/mystorin)
  add_dependencies(programs ${name})

  # Documents the program shows from its docs folder (tips, help, read-me files).
  file(GLOB docs CONFIGURE_DEPENDS resources/${name}/docs/*)
  foreach(doc IN LISTS docs)
    get_filename_component(doc_name ${doc} NAME)
    configure_file(${doc} ${MYSTORIN_DOCS_DIR}/${doc_name} COPYONLY)
    install(FILES ${doc} DESTINATION ${CMAKE_INSTALL_DATADIR}/mystorin)
  endforeach()

  set(MYSTORIN_PROGRAMS ${MYSTORIN_PROGRAMS} ${name} CACHE INTERNAL "")
endfunction()
