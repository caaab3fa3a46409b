# Shared part of the MinGW-w64 cross toolchains; the including file sets
# LAUNCHER_MINGW_PREFIX and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${LAUNCHER_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LAUNCHER_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LAUNCHER_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LAUNCHER_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No -static: log4cxx is a DLL built with this toolchain, and a process holds one C++ run-time,
# the toolchain's DLLs, which ship beside the programs.
