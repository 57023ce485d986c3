# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (its posix thread
# model, which std::thread needs). The programs run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CYCLO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CYCLO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CYCLO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${CYCLO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CYCLO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each program is one self-contained .exe: no MinGW runtime DLL to ship or
# to find under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest and GoogleTest's test discovery start the programs through Wine.
find_program(CYCLO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(CYCLO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CYCLO_WINE})
endif()
