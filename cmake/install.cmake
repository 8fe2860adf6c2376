# What `cmake --install` puts beside the two executables (their rules stand with their
# targets): the desktop entry, the icons, the AppStream metadata, the man pages and the
# documents a Debian package needs. Tests, benchmarks and fuzz targets are never installed.

set(VESTARA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${VESTARA_PACKAGE_NAME})
set(VESTARA_GENERATED ${PROJECT_BINARY_DIR}/installed)

install(FILES data/${VESTARA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS VESTARA_ICON_SIZES)
  install(FILES data/icons/png/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${VESTARA_APP_ID}.png)
endforeach()
install(FILES data/icons/${VESTARA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(data/${VESTARA_APP_ID}.metainfo.xml.in
               ${VESTARA_GENERATED}/${VESTARA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VESTARA_GENERATED}/${VESTARA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(page IN ITEMS vestara-sprite.1 VestaraItemViewer.1)
  configure_file(docs/man/${page}.in ${VESTARA_GENERATED}/${page} @ONLY)
  install(FILES ${VESTARA_GENERATED}/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# Debian's machine-readable copyright file, around the project's licence.
file(READ LICENSE VESTARA_LICENSE_TEXT)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${VESTARA_LICENSE_TEXT}")
set(VESTARA_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${VESTARA_LICENSE_TEXT}" "Permission is hereby granted" vestara_start)
string(SUBSTRING "${VESTARA_LICENSE_TEXT}" ${vestara_start} -1 VESTARA_LICENSE_TEXT)
string(STRIP "${VESTARA_LICENSE_TEXT}" VESTARA_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" VESTARA_LICENSE_TEXT "${VESTARA_LICENSE_TEXT}")
string(REPLACE "\n" "\n " VESTARA_LICENSE_TEXT "${VESTARA_LICENSE_TEXT}")
configure_file(cmake/copyright.in ${VESTARA_GENERATED}/copyright @ONLY)
install(FILES README.md docs/changelog ${VESTARA_GENERATED}/copyright
        DESTINATION ${VESTARA_DOC_DIR})
