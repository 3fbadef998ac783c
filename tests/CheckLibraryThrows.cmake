# The C++ library's throwing functions are the program's own: the library's
# object that defines them would bring its exception classes and older
# strings back into the program (some 55 KB). The linker takes that object
# for any one of its functions that nothing else defines, so this fails
# when the program's link map shows it taken, and when it defines a function
# that the program's object (REPLACEMENTS) does not.
#
#   NM            the target's nm
#   LIBRARY       the C++ library's archive (libstdc++.a)
#   REPLACEMENTS  the object of app/LibraryThrows.cpp
#   MAP           the program's link map
cmake_minimum_required(VERSION 3.25)

# The functions that one file's objects define, by their linker names (which
# hold none of the characters a CMake list treats apart), as
# "object|function" items when the file is an archive.
function(defined_functions file out)
  execute_process(COMMAND ${NM} -A --defined-only ${file} OUTPUT_VARIABLE symbols
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(failed)
    message(FATAL_ERROR "${NM} could not read ${file}")
  endif()
  string(REGEX MATCHALL "[^\n]+ T [^\n]+" lines "${symbols}")
  # nm -A names each symbol's file, and its object in an archive.
  set(pattern "^[^:]+:[0-9a-fA-F]+ T (.+)$")
  set(item "\\1")
  if(file MATCHES "\\.a$")
    set(pattern "^[^:]+:([^:]+):[0-9a-fA-F]+ T (.+)$")
    set(item "\\1|\\2")
  endif()
  set(functions)
  foreach(line IN LISTS lines)
    if(line MATCHES "${pattern}")
      string(REGEX REPLACE "${pattern}" "${item}" line "${line}")
      list(APPEND functions "${line}")
    endif()
  endforeach()
  set(${out} "${functions}" PARENT_SCOPE)
endfunction()

# A function's name as its source writes it, for the messages.
find_program(CXXFILT NAMES c++filt)
function(readable name out)
  if(CXXFILT)
    execute_process(COMMAND ${CXXFILT} ${name} OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  set(${out} "${name}" PARENT_SCOPE)
endfunction()

get_filename_component(library_name "${LIBRARY}" NAME)
defined_functions("${REPLACEMENTS}" replaced)
defined_functions("${LIBRARY}" library_functions)

# The library's objects that define any function the program defines.
set(objects)
foreach(item IN LISTS library_functions)
  string(REPLACE "|" ";" pair "${item}")
  list(GET pair 1 function)
  if(function IN_LIST replaced)
    list(GET pair 0 object)
    list(APPEND objects "${object}")
  endif()
endforeach()
list(REMOVE_DUPLICATES objects)
if(NOT objects)
  message(FATAL_ERROR "No object of ${library_name} defines a function of ${REPLACEMENTS}")
endif()

set(failures)
# Every function of those objects defined by the program's file.
set(count 0)
foreach(item IN LISTS library_functions)
  string(REPLACE "|" ";" pair "${item}")
  list(GET pair 0 object)
  list(GET pair 1 function)
  if(NOT object IN_LIST objects)
    continue()
  endif()
  math(EXPR count "${count} + 1")
  if(NOT function IN_LIST replaced)
    readable(${function} function)
    list(APPEND failures "app/LibraryThrows.cpp does not define ${function}, which "
                         "${library_name}(${object}) defines: a call to it links that object in\n")
  endif()
endforeach()

# None of those objects in the program's link.
file(READ "${MAP}" map)
string(FIND "${map}" "${library_name}(" listed)
if(listed EQUAL -1)
  list(APPEND failures "${MAP} lists no object of ${library_name}: it cannot tell which are linked\n")
endif()
foreach(object IN LISTS objects)
  string(FIND "${map}" "${library_name}(${object})" at)
  if(NOT at EQUAL -1)
    # The map's next line names the reference that took it.
    string(SUBSTRING "${map}" ${at} 400 entry)
    string(REGEX MATCH "^[^\n]*\n[ \t]*([^\n]*)" entry "${entry}")
    list(APPEND failures "The program links ${library_name}(${object}), taken for: ${CMAKE_MATCH_1}\n")
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()
list(JOIN objects ", " names)
message(STATUS "${library_name}(${names}) stays out of the program; "
               "app/LibraryThrows.cpp defines its ${count} functions")
