# The portable zip holds exactly the program that was built and the LISEZMOI
# made for Windows (version filled in, CRLF line ends), nothing stale.
# Usage: cmake -DZIP=... -DPROGRAM=... -DREADME=... -DWORK=... -P CheckPortable.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${ZIP}" WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${ZIP}")
endif()
file(GLOB_RECURSE found RELATIVE "${WORK}" "${WORK}/*")
list(SORT found)
if(NOT found STREQUAL "LISEZMOI.txt;Rytmalo95.exe")
  message(FATAL_ERROR "the zip holds: ${found}")
endif()
foreach(pair "Rytmalo95.exe|${PROGRAM}" "LISEZMOI.txt|${README}")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 inside)
  list(GET pair 1 built)
  file(SHA256 "${WORK}/${inside}" a)
  file(SHA256 "${built}" b)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "${inside} in the zip is not ${built}")
  endif()
endforeach()
# Read as hexadecimal: CMake's text reading drops carriage returns.
file(READ "${WORK}/LISEZMOI.txt" hex HEX)
if(NOT hex MATCHES "^efbbbf" OR NOT hex MATCHES "0d0a" OR hex MATCHES "^(..)*([^0].|0[^d])0a"
   OR hex MATCHES "^(..)*4056455253494f4e40")
  message(FATAL_ERROR "LISEZMOI.txt is not made for Windows (byte-order mark, CRLF, version)")
endif()
file(REMOVE_RECURSE "${WORK}")
