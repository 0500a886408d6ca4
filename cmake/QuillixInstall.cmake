# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` (and so the Debian package) puts where: the two
# programs, the shared skins and help, the desktop entry, icons and AppStream
# data under the application's id, the manual pages, shell completion and the
# package documents. Files that carry the version are generated into
# ${QUILLIX_GENERATED_DIR}.
include(GNUInstallDirs)

set(QUILLIX_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
set(QUILLIX_MAN_DIR ${QUILLIX_GENERATED_DIR}/man)
set(QUILLIX_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

execute_process(COMMAND date -u -R -d "${QUILLIX_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE QUILLIX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(page quillix quillix-cli)
  configure_file(${QUILLIX_RESOURCES}/man/${page}.1.in ${QUILLIX_MAN_DIR}/${page}.1 @ONLY)
endforeach()
configure_file(${QUILLIX_RESOURCES}/${QUILLIX_APP_ID}.metainfo.xml.in
               ${QUILLIX_GENERATED_DIR}/${QUILLIX_APP_ID}.metainfo.xml @ONLY)
configure_file(${QUILLIX_RESOURCES}/debian/changelog.in ${QUILLIX_GENERATED_DIR}/changelog @ONLY)

# Manual pages and the changelog are installed compressed, as Debian wants;
# -n keeps the archives free of names and times, so builds are reproducible.
set(compressed)
foreach(file man/quillix.1 man/quillix-cli.1 changelog)
  add_custom_command(OUTPUT ${QUILLIX_GENERATED_DIR}/${file}.gz
    COMMAND gzip -9nfk ${QUILLIX_GENERATED_DIR}/${file}
    DEPENDS ${QUILLIX_GENERATED_DIR}/${file} VERBATIM)
  list(APPEND compressed ${QUILLIX_GENERATED_DIR}/${file}.gz)
endforeach()
add_custom_target(quillix_compressed_documents ALL DEPENDS ${compressed})

install(FILES ${QUILLIX_MAN_DIR}/quillix-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUILLIX_RESOURCES}/completion/quillix-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quillix-cli)
install(FILES ${QUILLIX_RESOURCES}/completion/_quillix-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${QUILLIX_RESOURCES}/completion/quillix-cli.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
install(FILES ${QUILLIX_RESOURCES}/debian/copyright ${QUILLIX_GENERATED_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillix)

if(QUILLIX_UI)
  install(FILES ${QUILLIX_MAN_DIR}/quillix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(DIRECTORY ${QUILLIX_RESOURCES}/skins/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillix/Skins)
  install(DIRECTORY ${QUILLIX_RESOURCES}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillix/help)
  install(FILES ${QUILLIX_RESOURCES}/${QUILLIX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${QUILLIX_GENERATED_DIR}/${QUILLIX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${QUILLIX_RESOURCES}/icons/quillix.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${QUILLIX_APP_ID}.svg)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${QUILLIX_RESOURCES}/icons/quillix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUILLIX_APP_ID}.png)
  endforeach()
endif()
