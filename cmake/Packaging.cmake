# Installation beyond the program and its icons on Linux and macOS, and the
# Debian package (cpack -G DEB from build/<preset>).
include(GNUInstallDirs)

set(CYCLO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CYCLO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated/packaging)
set(CYCLO_RELEASE_DATE 2026-12-10)
# Where the published README's screenshots (docs/screenshots) can be fetched.
set(CYCLO_SCREENSHOT_URL "https://cyclograph.example/docs/screenshots"
  CACHE STRING "Base URL of the screenshots named in the AppStream metadata")

# --- Linux desktop integration ------------------------------------------------
# Every installed name carries the application ID or the executable's name,
# so that nothing collides with Debian's unrelated "cyclograph" package.
configure_file(${CYCLO_PACKAGING_DIR}/linux/org.quellant.Cyclograph.desktop.in
  ${CYCLO_GENERATED_DIR}/${CYCLO_APP_ID}.desktop @ONLY)
configure_file(${CYCLO_PACKAGING_DIR}/linux/org.quellant.Cyclograph.metainfo.xml.in
  ${CYCLO_GENERATED_DIR}/${CYCLO_APP_ID}.metainfo.xml @ONLY)
configure_file(${CYCLO_PACKAGING_DIR}/linux/quellant-cyclograph.1.in
  ${CYCLO_GENERATED_DIR}/${CYCLO_EXECUTABLE}.1 @ONLY)

if(UNIX AND NOT APPLE)
  install(FILES ${CYCLO_GENERATED_DIR}/${CYCLO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CYCLO_GENERATED_DIR}/${CYCLO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Debian wants the manual page, the copyright file and the changelog;
  # the last two only in the package, compressed reproducibly (gzip -n).
  find_program(CYCLO_GZIP gzip REQUIRED)
  set(cyclo_manpage ${CYCLO_GENERATED_DIR}/${CYCLO_EXECUTABLE}.1)
  set(cyclo_gzipped ${cyclo_manpage}.gz ${CYCLO_GENERATED_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${cyclo_gzipped}
    COMMAND ${CYCLO_GZIP} -9 -n -c ${cyclo_manpage} > ${cyclo_manpage}.gz
    COMMAND ${CYCLO_GZIP} -9 -n -c ${CYCLO_PACKAGING_DIR}/debian/changelog
            > ${CYCLO_GENERATED_DIR}/changelog.gz
    DEPENDS ${cyclo_manpage} ${CYCLO_PACKAGING_DIR}/debian/changelog
    COMMENT "Compressing the manual page and the changelog")
  add_custom_target(cyclo_package_docs ALL DEPENDS ${cyclo_gzipped})
  install(FILES ${cyclo_manpage}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CYCLO_PACKAGING_DIR}/debian/copyright ${CYCLO_GENERATED_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CYCLO_EXECUTABLE})
endif()

# --- The macOS bundle -------------------------------------------------------------
# The program is an .app bundle on macOS; no macOS SDK can be had on this
# project's machines, so this is never built here. Windows has
# cmake/WindowsPackaging.cmake.
set_target_properties(${CYCLO_EXECUTABLE} PROPERTIES MACOSX_BUNDLE ON)

# After installing, copy Qt's libraries and plugins into the bundle with Qt's
# own deployment tool, when the Qt kit has one.
if(APPLE)
  get_target_property(cyclo_qmake Qt6::qmake IMPORTED_LOCATION)
  get_filename_component(cyclo_qt_bin ${cyclo_qmake} DIRECTORY)
  find_program(CYCLO_DEPLOYQT macdeployqt HINTS ${cyclo_qt_bin})
  if(CYCLO_DEPLOYQT)
    install(CODE "execute_process(COMMAND \"${CYCLO_DEPLOYQT}\"
                                  \"\${CMAKE_INSTALL_PREFIX}/${CYCLO_EXECUTABLE}.app\"
                                  COMMAND_ERROR_IS_FATAL ANY)")
  else()
    message(STATUS "No Qt deployment tool found: installing without Qt's libraries")
  endif()
endif()

# --- The Debian package -----------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${CYCLO_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR Quellant)
set(CPACK_PACKAGE_VERSION ${CYCLO_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT "Quellant Cyclograph developers <cyclograph@quellant.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "biorhythm charts for a list of persons")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "${CYCLO_PRODUCT_NAME} keeps a list of up to 100 persons with their birth\n\
dates, draws a person's biorhythm for one month (physical, emotional,\n\
intellectual and intuitive cycles) beside a month calendar, prints the\n\
chart and compares the cycles of two persons.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows name "Arial" and "MS Sans Serif"; Liberation Sans stands in.
# Message boxes and Qt's other texts ask fontconfig for the desktop's sans
# serif: with only the Liberation fonts present, fontconfig answers with
# Liberation Mono, so DejaVu, Debian's default sans serif, comes along. (A
# desktop's own font choice still wins over it.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland) # runs natively in a Wayland session
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
