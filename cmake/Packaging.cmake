# `make package`: a .deb on Linux, a ZIP and an installer on Windows, a disk image on macOS.
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "The Tessaly developers")
set(CPACK_PACKAGE_CONTACT "Tessaly developers <developers@tessaly.org>" CACHE STRING "Maintainer of the packages")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-placement puzzle game for the desktop")
set(CPACK_PACKAGE_DESCRIPTION "Fill the 9x9 grid so that every row, every column and every 3x3 box holds the\n\
digits 1 to 9 once. Five levels from Very Easy to Hell, three hints per game,\n\
small candidate digits, saved games and the board as a picture to print.\n\
tessaly-solve solves grids given as 81-character lines from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tessaly)
set(CPACK_PACKAGE_EXECUTABLES tessaly Tessaly)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/icons/tessaly.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/icons/tessaly.ico)
  set(CPACK_NSIS_INSTALLED_ICON_NAME tessaly.exe)
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)  # the game lies in the installation folder itself
  set(CPACK_NSIS_DISPLAY_NAME Tessaly)
  set(CPACK_NSIS_PACKAGE_NAME Tessaly)
elseif(APPLE)
  set(CPACK_GENERATOR DragNDrop)
  set(CPACK_DMG_VOLUME_NAME Tessaly)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  # Debian's section "games" expects the game in /usr/games; ours keeps the command in /usr/bin.
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tessaly.org)
  # The run-time dependencies come from the binaries (dpkg-shlibdeps); the board's Arial is
  # drawn with the metric-compatible Liberation Sans, which nothing in the binaries names.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

  # Debian wants the copyright and a compressed changelog in the package's doc folder.
  set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tessaly)
  set(changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
  add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/res/debian/changelog ${CMAKE_BINARY_DIR}/changelog.Debian
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog.Debian
    DEPENDS ${PROJECT_SOURCE_DIR}/res/debian/changelog VERBATIM)
  add_custom_target(debian_changelog ALL DEPENDS ${changelog})
  install(FILES ${PROJECT_SOURCE_DIR}/res/debian/copyright ${changelog} DESTINATION ${doc_dir})
endif()

include(CPack)
