# The libraries corvane.exe loads as it starts are those a bare dialog program loads: the network, the
# system's cryptography and the shell load with their first use (delay-loaded), not with the program.
#   cmake -DOBJDUMP=... -DPROGRAM=corvane.exe -P windows_start_imports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imported "${headers}")
string(TOLOWER "${imported}" imported)
if(NOT imported MATCHES "user32.dll")
  message(FATAL_ERROR "no import table read from ${PROGRAM}: ${imported}")
endif()
foreach(dll ws2_32 crypt32 bcrypt shell32 secur32)
  if(imported MATCHES "dll name: ${dll}\\.dll")
    message(SEND_ERROR "${PROGRAM} loads ${dll}.dll as it starts")
  endif()
endforeach()
message(STATUS "loaded at start: ${imported}")
