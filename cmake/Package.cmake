# What the Linux desktop and the Debian package need beyond the programs: the
# icons, the AppStream metainfo and the manual pages (the desktop entry, its
# file type and the udev rule are installed beside the programs that use them), and CPack's Debian package
# (scripts/package builds it).
# The address example.org stands in until the package has a real maintainer.
set(RAMVIK_PACKAGE_MAINTAINER "Ramvik developers <ramvik@example.org>"
  CACHE STRING "Maintainer of the Debian package: name <address>")

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(RAMVIK_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
  install(FILES ${RAMVIK_RESOURCES}/ramvik.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 24 48)
    install(FILES ${RAMVIK_RESOURCES}/icons/ramvik-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ramvik.png)
  endforeach()
  install(FILES ${RAMVIK_RESOURCES}/ramvik32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ramvik.png)

  # Manual pages, compressed as Debian wants them (-n: no name or time stamp,
  # so the same page gives the same bytes).
  foreach(page ramvik ramvik-cli ramvik-boxsim)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
      COMMAND gzip -9n -c ${RAMVIK_RESOURCES}/man/${page}.1 > ${compressed}
      DEPENDS ${RAMVIK_RESOURCES}/man/${page}.1 VERBATIM)
    list(APPEND RAMVIK_MAN_PAGES ${compressed})
  endforeach()
  add_custom_target(ramvik_man_pages ALL DEPENDS ${RAMVIK_MAN_PAGES})
  install(FILES ${RAMVIK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # Debian's copyright and changelog files, the changelog compressed as the
  # policy asks.
  set(RAMVIK_DOC ${CMAKE_INSTALL_DATADIR}/doc/ramvik)
  configure_file(${RAMVIK_RESOURCES}/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9n -c ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog VERBATIM)
  add_custom_target(ramvik_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  install(FILES ${RAMVIK_RESOURCES}/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${RAMVIK_DOC})
endif()

set(CPACK_PACKAGE_NAME ramvik)
set(CPACK_PACKAGE_VENDOR "Ramvik")
set(CPACK_PACKAGE_CONTACT "${RAMVIK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure a tuning box for common-rail diesel engines")
set(CPACK_PACKAGE_DESCRIPTION
  "Ramvik configures an electronic tuning box that sits between a diesel\n\
engine's rail-pressure sensor (and the turbo boost sensor) and the engine\n\
control unit. A workshop draws the transfer curves, writes them into the box\n\
or reads them back over a USB serial converter, and prints a project sheet.\n\
The package holds the window (ramvik), the command-line tool (ramvik-cli)\n\
and a simulated box on a pseudo-terminal (ramvik-boxsim).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Installs through DESTDIR, so the settings step sees a staged install and
# leaves the packaging user's settings alone.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a Qt platform plugin (X11, Wayland), which the libraries
# themselves do not pull in; the project sheet is laid out for the Liberation
# fonts; Qt's own dialogs (file, print, message buttons) speak the window's
# language with Qt's translations, and stay English without them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
