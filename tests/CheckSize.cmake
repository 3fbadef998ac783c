# The program is one small file: it fails the suite when it outgrows its
# 400 KB (a library object linked back in, an image stored raw).
file(SIZE "${PROGRAM}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${PROGRAM} is ${size} bytes, over its ${LIMIT}")
endif()
message(STATUS "${PROGRAM}: ${size} bytes of ${LIMIT}")
