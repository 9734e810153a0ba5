# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which Qt needs for std::thread and friends).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VQ740_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VQ740_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VQ740_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VQ740_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW root (and, for the program, from
# the Qt built for Windows, which the Qt toolchain file adds); programs run
# during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VQ740_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The test programs run under Wine on the build machine (CTest starts each
# through it).
find_program(VQ740_WINE NAMES wine wine64)
if(VQ740_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VQ740_WINE})
endif()
