# Installation and the Debian package: the program, its start-menu entry and icon, the
# manual page. `cmake --install`, or `make package` for a .deb.
include(GNUInstallDirs)

install(TARGETS kelvaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The manual page, with this edition's constants, compressed as Debian keeps manual pages.
set(_stufen EF Q1 Q2)
list(GET _stufen ${KELVARO_STUFE} KELVARO_STUFE_NAME)
configure_file(${PROJECT_SOURCE_DIR}/docs/kelvaro.1.in ${PROJECT_BINARY_DIR}/kelvaro.1 @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/kelvaro.1.gz
  COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/kelvaro.1 > ${PROJECT_BINARY_DIR}/kelvaro.1.gz
  DEPENDS ${PROJECT_BINARY_DIR}/kelvaro.1
  VERBATIM)
add_custom_target(kelvaro_handbuch ALL DEPENDS ${PROJECT_BINARY_DIR}/kelvaro.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/kelvaro.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(KELVARO_BUILD_DESKTOP)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/kelvaro.desktop.in ${PROJECT_BINARY_DIR}/kelvaro.desktop @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/kelvaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # The emblem in the hicolor sizes, drawn by the program's own code at build time.
  set(KELVARO_SYMBOLGROESSEN 16 22 24 32 48 64 128 256)
  set(_symbole "")
  foreach(groesse IN LISTS KELVARO_SYMBOLGROESSEN)
    list(APPEND _symbole ${PROJECT_BINARY_DIR}/symbole/${groesse}x${groesse}/apps/kelvaro.png)
  endforeach()
  add_custom_command(OUTPUT ${_symbole}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:kelvaro-wappen> ${PROJECT_BINARY_DIR}/symbole ${KELVARO_SYMBOLGROESSEN}
    DEPENDS kelvaro-wappen
    VERBATIM)
  add_custom_target(kelvaro_symbole ALL DEPENDS ${_symbole})
  install(DIRECTORY ${PROJECT_BINARY_DIR}/symbole/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VERSION ${KELVARO_VERSION})
set(CPACK_PACKAGE_VENDOR "Gymnasium Velmarsk")
set(CPACK_PACKAGE_CONTACT "Oberstufe Gymnasium Velmarsk <oberstufe@gymnasium-velmarsk.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Laufbahnplanung für die Oberstufe (G9, Abitur ${KELVARO_ABITURJAHRGANG})")
set(CPACK_PACKAGE_DESCRIPTION "Kelvaro plant die Kurse der Oberstufe (EF, Q1, Q2), zählt Kurse und Wochenstunden, \
prüft die Laufbahn nach der APO-GOSt und druckt den Wahlzettel mit Barcode. Ein Info-Center erklärt \
die Regeln der Oberstufe.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps; what it loads by name does not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(KELVARO_BUILD_DESKTOP)
  # Fonts with the metrics of the designed ones, and Qt's own texts in German.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
endif()
include(CPack)
