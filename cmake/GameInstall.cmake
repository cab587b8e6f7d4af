# How the game is laid out when installed, on each platform. Included from app/ after the
# tessaly target is made (as a Windows GUI program and a macOS bundle).
if(WIN32)
  # Everything in one folder: tessaly.exe with its icon, data.dat beside it, then Qt's DLLs.
  set(TESSALY_ICON_FILE ${PROJECT_SOURCE_DIR}/res/icons/tessaly.ico)
  configure_file(${PROJECT_SOURCE_DIR}/res/windows/tessaly.rc.in ${CMAKE_BINARY_DIR}/tessaly.rc @ONLY)
  target_sources(tessaly PRIVATE ${CMAKE_BINARY_DIR}/tessaly.rc)
  install(TARGETS tessaly RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/res/data.dat DESTINATION .)
  set(deploy_tool windeployqt)
  set(deploy_target "tessaly.exe")
  set(deploy_options --no-translations)
elseif(APPLE)
  # tessaly.app: data.dat beside the executable in Contents/MacOS, the icon in Resources.
  set(icon ${PROJECT_SOURCE_DIR}/res/icons/tessaly.icns)
  set(data ${PROJECT_SOURCE_DIR}/res/data.dat)
  set_source_files_properties(${icon} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  set_source_files_properties(${data} PROPERTIES MACOSX_PACKAGE_LOCATION MacOS)
  target_sources(tessaly PRIVATE ${icon} ${data})
  set_target_properties(tessaly PROPERTIES
    MACOSX_BUNDLE_BUNDLE_NAME Tessaly
    MACOSX_BUNDLE_GUI_IDENTIFIER org.tessaly.Tessaly
    MACOSX_BUNDLE_ICON_FILE tessaly.icns
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
  install(TARGETS tessaly BUNDLE DESTINATION .)
  set(deploy_tool macdeployqt)
  set(deploy_target "tessaly.app")
  set(deploy_options)
else()
  # The game looks for data.dat in its own folder, so both go into one private folder; the
  # command in bin is a link to it (the game resolves the link to find its folder).
  set(TESSALY_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tessaly)
  install(TARGETS tessaly RUNTIME DESTINATION ${TESSALY_INSTALL_DIR})
  install(FILES ${PROJECT_SOURCE_DIR}/res/data.dat DESTINATION ${TESSALY_INSTALL_DIR})
  file(RELATIVE_PATH TESSALY_LINK_TARGET /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TESSALY_INSTALL_DIR}/tessaly)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tessaly\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${TESSALY_LINK_TARGET}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ${TESSALY_LINK_TARGET}\")
  ")

  # The manual pages of the game and of tessaly-solve, compressed as Debian wants them.
  set(manual_pages)
  foreach(page tessaly.6 tessaly-solve.6)
    set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/res/man/${page} ${CMAKE_BINARY_DIR}/man/${page}
      COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/man/${page}
      DEPENDS ${PROJECT_SOURCE_DIR}/res/man/${page} VERBATIM)
    list(APPEND manual_pages ${compressed})
  endforeach()
  add_custom_target(manual_pages ALL DEPENDS ${manual_pages})
  install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

  # The type of the saved games, which the desktop entry opens: shared-mime-info reads it
  # from here.
  install(FILES ${PROJECT_SOURCE_DIR}/res/org.tessaly.Tessaly.mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME org.tessaly.Tessaly.xml)
endif()

if(deploy_tool)
  # Qt's own tool copies the Qt libraries and plugins the game needs beside it (windeployqt)
  # or into the bundle (macdeployqt). It sits beside qmake in the Qt installation.
  get_target_property(qmake Qt6::qmake IMPORTED_LOCATION)
  get_filename_component(qt_bin_dir "${qmake}" DIRECTORY)
  find_program(TESSALY_DEPLOY_QT ${deploy_tool} HINTS "${qt_bin_dir}")
  if(TESSALY_DEPLOY_QT)
    install(CODE "
      execute_process(COMMAND \"${TESSALY_DEPLOY_QT}\" ${deploy_options}
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${deploy_target}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    ")
  else()
    message(WARNING "${deploy_tool} not found: the installed game will need Qt from elsewhere")
  endif()
endif()
