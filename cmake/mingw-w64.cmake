# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# flavour, which std::thread and std::mutex need). Programs are linked
# statically, so they run under Wine, or on a Windows machine, without the
# compiler's DLLs beside them; CTest runs them through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Debian's wine64 package keeps the loader out of PATH (the wine package adds
# the wrapper).
find_program(RAMVIK_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(RAMVIK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RAMVIK_WINE})
endif()
