# The files beside the programs (man pages, AppStream metainfo) and the Debian
# package. Included from the top CMakeLists.txt after the programs' targets.
include(GNUInstallDirs)

# Placeholders until the project has a public home: set them when packaging.
set(QUARNEL_HOMEPAGE "https://quarnel.example.org" CACHE STRING "Project homepage (https)")
set(QUARNEL_SCREENSHOT_URL "${QUARNEL_HOMEPAGE}/raw/main/docs/screenshot.png"
    CACHE STRING "Raw URL of docs/screenshot.png, shown by software centres")
set(QUARNEL_APP_ID "org.example.quarnel.Quarnel" CACHE STRING "AppStream component id (reverse DNS of the homepage)")
set(QUARNEL_MAINTAINER "Quarnel maintainers <maintainers@quarnel.example.org>"
    CACHE STRING "Maintainer of the Debian package")

foreach(page quarnel quarnel-cli)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

configure_file(${PROJECT_SOURCE_DIR}/packaging/quarnel.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${QUARNEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUARNEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# cpack -G DEB: the library dependencies are read from the binaries
# (dpkg-shlibdeps); Qt's platform plugins are loaded at run time, so no binary
# names them and they are listed here.
set(CPACK_PACKAGE_NAME quarnel)
set(CPACK_PACKAGE_VENDOR Kestrow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RPN calculator for programmers")
set(CPACK_PACKAGE_DESCRIPTION "Quarnel works in Reverse Polish Notation on unsigned integers of any
word size from 1 to 128 bits, in hexadecimal, octal, binary or decimal.
quarnel-cli is the same calculator in a terminal.")
set(CPACK_PACKAGE_CONTACT "${QUARNEL_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUARNEL_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_GENERATOR DEB)
include(CPack)
