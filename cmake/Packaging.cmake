# cpack -G DEB builds a Debian package installed under /usr, with the
# libraries it links found by dpkg-shlibdeps (package dpkg-dev).
include(GNUInstallDirs)
set(LAMPOTRON_DEBIAN_DIR ${CMAKE_CURRENT_LIST_DIR}/debian)

# The package's copyright and changelog, where Debian keeps them. The
# changelog's top entry names the version it ships.
set(LAMPOTRON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lampotron)
install(FILES ${LAMPOTRON_DEBIAN_DIR}/copyright DESTINATION ${LAMPOTRON_DOC_DIR})
lampotron_install_gzipped(${LAMPOTRON_DEBIAN_DIR}/changelog ${LAMPOTRON_DOC_DIR})
file(STRINGS ${LAMPOTRON_DEBIAN_DIR}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^lampotron \\(${PROJECT_VERSION}\\) ")
  message(WARNING "cmake/debian/changelog does not begin with an entry for ${PROJECT_VERSION}: add one before building the package.")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lampotron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Light effects on eight lamps")
set(CPACK_PACKAGE_DESCRIPTION [[
Lampotron plays light effects on eight lamps wired to the data lines of a
parallel port, to eight GPIO lines, to eight channels of a DMX universe
through OLA, or to a USB HID relay board.

It runs in a window, where the effects are picked and the scheme is built,
or as a service without a screen.]])
# No mailbox answers for the project yet; .invalid says so.
set(CPACK_PACKAGE_CONTACT "Lampotron developers <lampotron@lampotron.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The desktop entry and the service name the program by its final place.
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, adduser")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ola")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${LAMPOTRON_DEBIAN_DIR}/postinst ${LAMPOTRON_DEBIAN_DIR}/prerm ${LAMPOTRON_DEBIAN_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
