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
# The licence, the changelog and the manual pages, compressed as Debian's policy asks
# (gzip -9n: no name or time stamp, so that two builds give the same bytes).
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
find_program(GZIP_PROGRAM gzip REQUIRED)
set(KARO_GZIPPED)
function(karo_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
  set(KARO_GZIPPED ${KARO_GZIPPED} ${output} PARENT_SCOPE)
endfunction()
set(KARO_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
karo_gzip(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${KARO_PACKAGING_DIR}/changelog.gz)
install(FILES ${KARO_PACKAGING_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
foreach(lang "" ru)
  foreach(page karo karo-cli)
    set(out ${KARO_PACKAGING_DIR}/man${lang}/${page}.1.gz)
    karo_gzip(${PROJECT_SOURCE_DIR}/resources/man/${lang}/${page}.1 ${out})
    if(lang)
      install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    else()
      install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
endforeach()
add_custom_target(karo_packaging_files ALL DEPENDS ${KARO_GZIPPED})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/karo/examples FILES_MATCHING PATTERN "*.karo")

set(CPACK_PACKAGE_NAME karo)
set(CPACK_PACKAGE_VENDOR "Karo")
# The project has no address of its own: the reserved .invalid domain says so.
set(CPACK_PACKAGE_CONTACT "Karo developers <karo@karo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sectional properties of plane sections built from rolled steel profiles")
set(CPACK_PACKAGE_DESCRIPTION
"Karo is a desktop program for students and engineers who need the sectional
properties of a composite cross-section assembled from standard rolled steel
profiles: I-beams, channels, unequal- and equal-leg angles and plates.
.
For each profile the user types its values or picks it from the tables of the
GOST standards, places it and turns or mirrors it. Karo finds the centroid,
the central and principal moments of inertia, the angle of the principal axes,
the radii of gyration and the section moduli, draws the section to scale with
its axes and ellipse of inertia, prints a result sheet and writes the worked
solution as a .docx document. The interface is in Russian.
.
The package also holds karo-cli, which solves, draws and reports sections
saved by the program from the command line.")
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
