# The program for 64-bit Windows: its resources, the folder a user gets, and
# the two packages CPack makes from that folder in the build tree:
#   cpack -G ZIP    quellant-cyclograph-2.0.0-win64.zip, the portable folder
#   cpack -G NSIS   quellant-cyclograph-2.0.0-win64-setup.exe, the installer
set(CYCLO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CYCLO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated/packaging)

# A GUI program: no console window opens with it. --help and --version still
# print into the console they are started from (ui/CommandLine.cpp).
set_target_properties(${CYCLO_EXECUTABLE} PROPERTIES WIN32_EXECUTABLE ON)

# --- Resources: the icon, the manifest, the version ------------------------------
set(CYCLO_ICO ${PROJECT_SOURCE_DIR}/assets/images/icon/cyclograph.ico)
set(CYCLO_MANIFEST ${CYCLO_GENERATED_DIR}/${CYCLO_EXECUTABLE}.manifest)
configure_file(${CYCLO_PACKAGING_DIR}/windows/quellant-cyclograph.manifest.in
  ${CYCLO_MANIFEST} @ONLY)
configure_file(${CYCLO_PACKAGING_DIR}/windows/quellant-cyclograph.rc.in
  ${CYCLO_GENERATED_DIR}/${CYCLO_EXECUTABLE}.rc @ONLY)
target_sources(${CYCLO_EXECUTABLE} PRIVATE ${CYCLO_GENERATED_DIR}/${CYCLO_EXECUTABLE}.rc)
set_property(SOURCE ${CYCLO_GENERATED_DIR}/${CYCLO_EXECUTABLE}.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CYCLO_MANIFEST} ${CYCLO_ICO})

# --- The folder: the program with exactly what it needs beside it ----------------
# The .exe carries the MinGW runtime itself (linked statically); beside it lie
# the Qt DLLs it imports, the Windows platform plugin and the native style.
# tests/windows checks that nothing else is imported but Windows' own DLLs.
install(FILES $<TARGET_RUNTIME_DLLS:${CYCLO_EXECUTABLE}> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# What Qt is, where its source is and how it was built, with the licence
# texts: scripts/windows-qt.sh writes it beside the Qt it builds. A build
# against another Qt names that Qt's notice here.
set(CYCLO_QT_NOTICE "" CACHE FILEPATH
  "The third-party notice of the Qt the folder ships (default: the one beside Qt for Windows)")
set(cyclo_qt_notice "${CYCLO_QT_NOTICE}")
if(NOT cyclo_qt_notice)
  set(cyclo_qt_notice "${CYCLO_WINDOWS_QT}/THIRD-PARTY-NOTICES.txt")
endif()
if(NOT EXISTS "${cyclo_qt_notice}")
  message(FATAL_ERROR "No third-party notice for Qt (\"${cyclo_qt_notice}\"): the folder "
    "must say which Qt it ships, under which licence and from which source (CYCLO_QT_NOTICE).")
endif()
install(FILES ${cyclo_qt_notice} DESTINATION .)

# The short read-me of the portable folder, with Windows line ends.
configure_file(${CYCLO_PACKAGING_DIR}/windows/README.txt.in ${CYCLO_GENERATED_DIR}/README.txt
  @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CYCLO_GENERATED_DIR}/README.txt DESTINATION .)

# --- The packages ---------------------------------------------------------------------
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ${CYCLO_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR Quellant)
set(CPACK_PACKAGE_VERSION ${CYCLO_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Biorhythm charts for a list of persons")
set(CPACK_PACKAGE_FILE_NAME ${CYCLO_EXECUTABLE}-${CYCLO_PACKAGE_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${CYCLO_PRODUCT_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${CYCLO_PRODUCT_NAME}")
set(CPACK_STRIP_FILES ON)
# The installer's file name ends in -setup; the ZIP keeps the plain name,
# which is also the folder inside it.
configure_file(${CYCLO_PACKAGING_DIR}/windows/CPackOptions.cmake.in
  ${CYCLO_GENERATED_DIR}/CPackOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CYCLO_GENERATED_DIR}/CPackOptions.cmake)

# The installer: a 64-bit NSIS program (Debian's nsis has the amd64-unicode
# stubs), for all users under Program Files, with a Start-menu shortcut that
# keeps the list in the user's roaming application data (--user-data), and an
# entry in Windows' list of programs. Uninstalling removes the program only:
# the user's list stays where it is.
# (CPack's template places these lines near the top of the script; its
# pre-arguments to makensis cannot carry the blank the command needs.)
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${CYCLO_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${CYCLO_PRODUCT_NAME}")
set(CPACK_NSIS_INSTALLED_ICON_NAME "${CYCLO_EXECUTABLE}.exe")
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_CONTACT "cyclograph@quellant.example")
set(cyclo_shortcut "$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\${CYCLO_PRODUCT_NAME}.lnk")
set(cyclo_program "$INSTDIR\\\\${CYCLO_EXECUTABLE}.exe")
# (NSIS takes single quotes too, which pass through CPack's quoting unharmed.)
set(CPACK_NSIS_CREATE_ICONS_EXTRA
  "CreateShortCut '${cyclo_shortcut}' '${cyclo_program}' '--user-data' '${cyclo_program}' 0")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
  "Delete '$SMPROGRAMS\\\\$START_MENU\\\\${CYCLO_PRODUCT_NAME}.lnk'")
include(CPack)
