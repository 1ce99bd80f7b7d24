# Makes a delay-load import library for one DLL from its ordinary import library:
#   cmake -DNM=... -DDLLTOOL=... -DMACHINE=i386|i386:x86-64 -DDLL=user32.dll
#         -DIMPORT_LIBRARY=.../libuser32.a -DOUTPUT=.../libuser32.a -P delay_load_library.cmake
# Every function of the ordinary library is listed; the program links only those it calls.
execute_process(COMMAND ${NM} -g --defined-only ${IMPORT_LIBRARY}
                OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]* T [^\n]*" functions "${symbols}")
set(definitions "EXPORTS\n")
foreach(line IN LISTS functions)
  string(REGEX REPLACE ".* T " "" name "${line}")
  if(MACHINE STREQUAL "i386")
    string(REGEX REPLACE "^_" "" name "${name}")  # the 32-bit C names start with "_"
  endif()
  string(APPEND definitions "${name}\n")
endforeach()
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${OUTPUT}.def "${definitions}")
# --kill-at: the 32-bit stdcall names are exported without their "@N".
set(kill "")
if(MACHINE STREQUAL "i386")
  set(kill --kill-at)
endif()
# Made in its own folder under its bare name, so that its table's name does not depend on where
# the build is (cmake/binutils_delay_load.cmake).
get_filename_component(library ${OUTPUT} NAME)
execute_process(COMMAND ${DLLTOOL} -m ${MACHINE} ${kill} -d ${library}.def -D ${DLL}
                        --output-delaylib ${library}
                WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
