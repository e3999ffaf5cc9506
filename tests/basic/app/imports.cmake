# cmake -DOBJDUMP=... -DMADE=basic.exe -DCOMPILED=balls.exe -P imports.cmake
# A made program is basic.exe's file with a program after it, so it imports
# what basic.exe imports: that must be no DLL that the compiled program does
# not import too.
cmake_policy(SET CMP0057 NEW)  # IN_LIST

function(dll_names file out)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
  string(REPLACE "DLL Name: " "" names "${lines}")
  string(TOUPPER "${names}" names)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

dll_names(${MADE} made)
dll_names(${COMPILED} compiled)
message(STATUS "made programs import: ${made}")
message(STATUS "the compiled program imports: ${compiled}")
foreach(dll ${made})
  if(NOT dll IN_LIST compiled)
    message(FATAL_ERROR "made programs import ${dll}, which the compiled program does not")
  endif()
endforeach()
