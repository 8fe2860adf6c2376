# The Windows download, `cpack -G ZIP` in the Windows tree:
# VestaraItemViewer-<version>-win64.zip with both programs, the README and the licence in
# one folder. Nothing else is needed to run them.
install(FILES README.md DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

if(PROJECT_IS_TOP_LEVEL)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME VestaraItemViewer)
  # tools/package-windows reads it from CPackConfig.cmake for the installer.
  set(CPACK_PACKAGE_VENDOR "${VESTARA_VENDOR}")
  set(CPACK_PACKAGE_FILE_NAME VestaraItemViewer-${PROJECT_VERSION}-win64)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_CHECKSUM SHA256)
  include(CPack)
endif()
