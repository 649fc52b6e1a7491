# Delay-loaded system libraries for the Windows build: calls into such a DLL go through a thunk that loads it
# on the first call (mingw-w64's __delayLoadHelper2) instead of when the program starts.
#
#   corvane_delay_load_library(DLL)       makes the library corvane::delay_DLL: link it instead of DLL
#   corvane_delay_load(TARGET DLL...)     an imported TARGET whose link interface names DLL as
#                                         $<LINK_ONLY:DLL> (as libcurl's package does) links it delay-loaded
#
# The delay-import library is made by dlltool from every function the toolchain's import library names; it
# links the import library after itself, for whatever else (static parts) that one holds.
function(corvane_delay_load_library dll)
  if(TARGET corvane::delay_${dll})
    return()
  endif()
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "corvane_delay_load_library: the toolchain has no dlltool")
  endif()
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
                  OUTPUT_VARIABLE import_library OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${import_library}" OR NOT EXISTS "${import_library}")
    message(FATAL_ERROR "corvane_delay_load_library: no import library lib${dll}.a in the toolchain")
  endif()
  set(dir "${CMAKE_BINARY_DIR}/delay_load")
  set(delay_library "${dir}/libdelay_${dll}.a")
  if(NOT EXISTS "${delay_library}" OR "${import_library}" IS_NEWER_THAN "${delay_library}")
    file(MAKE_DIRECTORY "${dir}")
    execute_process(COMMAND ${CMAKE_NM} "${import_library}" OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(LENGTH imports count)
    if(failed OR count EQUAL 0)
      message(FATAL_ERROR "corvane_delay_load_library: no functions read from ${import_library}")
    endif()
    list(JOIN imports "\n" exports)
    file(WRITE "${dir}/${dll}.def" "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} -d "${dir}/${dll}.def" -y "${delay_library}" -D ${dll}.dll
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "corvane_delay_load_library: dlltool made no delay-import library for ${dll}.dll")
    endif()
  endif()
  add_library(corvane::delay_${dll} STATIC IMPORTED GLOBAL)
  set_target_properties(corvane::delay_${dll} PROPERTIES IMPORTED_LOCATION "${delay_library}"
                                                         INTERFACE_LINK_LIBRARIES ${dll})
endfunction()

function(corvane_delay_load target)
  get_target_property(libraries ${target} INTERFACE_LINK_LIBRARIES)
  foreach(dll IN LISTS ARGN)
    list(FIND libraries "$<LINK_ONLY:${dll}>" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "corvane_delay_load: ${target} does not link ${dll}: ${libraries}")
    endif()
    corvane_delay_load_library(${dll})
    list(REMOVE_AT libraries ${at})
    list(INSERT libraries ${at} "$<LINK_ONLY:corvane::delay_${dll}>")
  endforeach()
  set_target_properties(${target} PROPERTIES INTERFACE_LINK_LIBRARIES "${libraries}")
endfunction()
