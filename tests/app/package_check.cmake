# Builds the Debian package from this build tree, unpacks it into a scratch root and checks
# that the program, the desktop entry, the icon, the MIME type, the licence, the changelog and
# the manual pages are where a desktop and a Debian user look; then lintian, when it is
# installed, must find neither an error nor a warning.
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -P package_check.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${WORK_DIR}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${rc}")
endif()
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()
execute_process(COMMAND dpkg-deb -x ${debs} ${WORK_DIR}/root RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
foreach(f usr/bin/karo usr/bin/karo-cli usr/lib/karo/karo-cli-draw usr/lib/karo/karo-cli-print
          usr/share/applications/karo.desktop
          usr/share/mime/packages/karo.xml usr/share/icons/hicolor/scalable/apps/karo.svg
          usr/share/icons/hicolor/48x48/apps/karo.png usr/share/karo/examples/plate.karo
          usr/share/doc/karo/copyright usr/share/doc/karo/changelog.gz
          usr/share/man/man1/karo.1.gz usr/share/man/man1/karo-cli.1.gz
          usr/share/man/ru/man1/karo.1.gz usr/share/man/ru/man1/karo-cli.1.gz)
  if(NOT EXISTS ${WORK_DIR}/root/${f})
    message(FATAL_ERROR "missing from the package: ${f}")
  endif()
endforeach()
execute_process(COMMAND dpkg-deb -f ${debs} Depends OUTPUT_VARIABLE depends)
foreach(d libqt6widgets6 zlib1g fonts-liberation2)
  if(NOT depends MATCHES ${d})
    message(FATAL_ERROR "the package does not depend on ${d}: ${depends}")
  endif()
endforeach()
file(READ ${WORK_DIR}/root/usr/share/applications/karo.desktop desktop)
if(NOT desktop MATCHES "Exec=karo %f" OR NOT desktop MATCHES "MimeType=application/x-karo-section;")
  message(FATAL_ERROR "the desktop entry does not open sections")
endif()
find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${debs}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lintian finds fault with the package:\n${out}${err}")
  endif()
else()
  message(STATUS "lintian is not installed: the package's policy check is skipped")
endif()
message(STATUS "package ok: ${debs}")
