# The installed program: its desktop entry, AppStream metadata and icons under the application
# id, its manual page, and the documents of its Debian package (made with CPack).
include(GNUInstallDirs)

set(paquet ${CMAKE_BINARY_DIR}/packaging)
configure_file(packaging/orbalide.desktop.in ${paquet}/${ORBALIDE_APP_ID}.desktop @ONLY)
configure_file(packaging/orbalide.metainfo.xml.in ${paquet}/${ORBALIDE_APP_ID}.metainfo.xml @ONLY)
configure_file(packaging/changelog.in ${paquet}/changelog @ONLY)

# The copyright file in Debian's machine-readable format, the licence's text as its body.
file(READ LICENSE licence)
string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" permission "${licence}")
string(REGEX REPLACE "\n+$" "" permission "${permission}")
string(REPLACE "\n\n" "\n.\n" permission "${permission}")
string(REPLACE "\n" "\n " permission " ${permission}")
file(WRITE ${paquet}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Orbalide\n"
  "Upstream-Contact: ${ORBALIDE_MAINTAINER}\n"
  "Source: ${ORBALIDE_SITE_URL}\n\n"
  "Files: *\n"
  "Copyright: 2026 The Orbalide authors\n"
  "License: Expat\n"
  "${permission}\n")

# Compressed as Debian wants them: best compression, no name or time stamp.
foreach(document changelog orbalide.1 orbalide-calc.1)
  set(source ${paquet}/${document})
  if(document MATCHES "\\.1$")
    set(source ${PROJECT_SOURCE_DIR}/packaging/${document})
  endif()
  add_custom_command(OUTPUT ${paquet}/${document}.gz
    COMMAND sh -c "gzip -9n -c '${source}' > '${paquet}/${document}.gz'"
    DEPENDS ${source} VERBATIM)
  list(APPEND documents ${paquet}/${document}.gz)
endforeach()
add_custom_target(documents ALL DEPENDS ${documents})

install(TARGETS orbalide orbalide-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${paquet}/${ORBALIDE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${paquet}/${ORBALIDE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${paquet}/orbalide.1.gz ${paquet}/orbalide-calc.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${paquet}/copyright ${paquet}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbalide)
set(CPACK_PACKAGE_VENDOR "${ORBALIDE_AUTHOR_NAME}")
set(CPACK_PACKAGE_CONTACT "${ORBALIDE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geodesy calculator for navigators")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Orbalide solves the two problems of geodesy on a reference ellipsoid chosen
from ten (WGS-84 by default) with Vincenty's formulae: a departure, an
initial course and a distance give the arrival, the course at arrival and
the return course. Two positions give both courses and the distance.

Positions are typed and shown in degrees, minutes and seconds, distances in
metres or nautical miles, and any position can be exported as a KML
placemark. The window speaks French and English. A second window plans
passages: waypoints typed, pasted or opened from a GPX route, the legs along
rhumb lines with their times, saved as a GPX route for chart plotters.

The command orbalide-calc solves the same problems for every line of a file
or a pipe, and can write the geodesics as KML and GPX tracks.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORBALIDE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORBALIDE_SITE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
