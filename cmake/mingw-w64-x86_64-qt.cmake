# Cross-builds the whole program for 64-bit Windows: the MinGW-w64 toolchain
# beside this file, with Qt for Windows as scripts/windows-qt.sh builds it from
# Debian's qt6-base source package. CYCLO_WINDOWS_QT names that Qt's folder
# (a cache variable, or the environment); without it the folder the script
# builds into is used, and configuring stops if no finished build lies there.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

# The environment's folder wins over one an earlier configure kept, which
# may be gone or older.
if(NOT "$ENV{CYCLO_WINDOWS_QT}" STREQUAL "")
  set(cyclo_qt "$ENV{CYCLO_WINDOWS_QT}")
elseif(CYCLO_WINDOWS_QT AND EXISTS "${CYCLO_WINDOWS_QT}/.cyclo-complete")
  set(cyclo_qt "${CYCLO_WINDOWS_QT}")
else()
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows-qt.sh --where
    OUTPUT_VARIABLE cyclo_qt OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT EXISTS "${cyclo_qt}/.cyclo-complete")
  message(FATAL_ERROR "No finished Qt for Windows in \"${cyclo_qt}\": "
    "run scripts/windows-qt.sh first (it builds Qt once, in about half an hour).")
endif()
set(CYCLO_WINDOWS_QT "${cyclo_qt}" CACHE PATH "Qt for Windows (scripts/windows-qt.sh)" FORCE)
# try_compile projects read this file again and need the folder too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CYCLO_WINDOWS_QT)

list(APPEND CMAKE_FIND_ROOT_PATH ${CYCLO_WINDOWS_QT})
# Qt's build tools (moc, rcc, uic) are the host's, the same Qt version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Test programs run under Wine with that Qt beside them. (One word: test
# discovery cannot start an emulator given with arguments.)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
