# Installation to the standard paths and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS karo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(KARO_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${KARO_DESKTOP_DIR}/karo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KARO_DESKTOP_DIR}/karo-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME karo.xml)
install(FILES ${KARO_DESKTOP_DIR}/icons/karo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${KARO_DESKTOP_DIR}/icons/karo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME karo.png)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/karo/examples FILES_MATCHING PATTERN "*.karo")

set(CPACK_PACKAGE_NAME karo)
set(CPACK_PACKAGE_VENDOR "Karo")
set(CPACK_PACKAGE_CONTACT "Karo developers <karo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sectional properties of plane sections built from rolled steel profiles")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Library dependencies are read off the binaries; the fonts are asked for by name at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer | abiword")
include(CPack)
