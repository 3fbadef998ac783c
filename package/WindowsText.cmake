# Turns a text file of the sources into one that Notepad reads right on any
# Windows: version filled in, UTF-8 with a byte-order mark, CRLF line ends.
# Usage: cmake -DIN=... -DOUT=... -DVERSION=... -P WindowsText.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${IN}" text)
string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE "${OUT}" "${bom}${text}")
