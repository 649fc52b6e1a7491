# Windows resources for an executable: corvane_add_windows_resources(TARGET NAME DESCRIPTION) gives it the
# program icon as icon 152 (only the program; the command-line tools have no windows), the manifest (common
# controls 6, per-monitor DPI awareness, asInvoker, UTF-8 code page) and version information from the
# project's version.
set(CORVANE_PUBLISHER "Corvane Outdoor Imaging")
set(CORVANE_WINDOWS_DIST_DIR ${CMAKE_CURRENT_LIST_DIR})

function(corvane_add_windows_resources target name description)
  get_property(CORVANE_SHOWN_VERSION GLOBAL PROPERTY CORVANE_SHOWN_VERSION)
  set(CORVANE_RC_NAME ${name})
  set(CORVANE_RC_DESCRIPTION ${description})
  set(CORVANE_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  set(CORVANE_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
  configure_file(${CORVANE_WINDOWS_DIST_DIR}/corvane.manifest ${CORVANE_MANIFEST} @ONLY)
  set(depends ${CORVANE_MANIFEST})
  set(CORVANE_RC_ICON "")
  if(ARGV3 STREQUAL "WITH_ICON")
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(ico ${CMAKE_CURRENT_BINARY_DIR}/corvane.ico)
    set(pngs)
    foreach(size 16 32 48 256)
      list(APPEND pngs ${PROJECT_SOURCE_DIR}/src/dialogs/res/icons/corvane-${size}.png)
    endforeach()
    add_custom_command(OUTPUT ${ico}
        COMMAND Python3::Interpreter ${CORVANE_WINDOWS_DIST_DIR}/make_ico.py ${ico} ${pngs}
        DEPENDS ${CORVANE_WINDOWS_DIST_DIR}/make_ico.py ${pngs}
        COMMENT "Joining the program icon's sizes into corvane.ico"
        VERBATIM)
    set(CORVANE_RC_ICON "152 ICON \"${ico}\"")
    list(APPEND depends ${ico})
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  configure_file(${CORVANE_WINDOWS_DIST_DIR}/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${depends}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
