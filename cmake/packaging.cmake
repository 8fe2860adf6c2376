# Packages of what `cmake --install` installs: `cpack -G DEB`, a Debian package whose
# Depends come from dpkg-shlibdeps, and `cpack -G TGZ`, a relocatable tarball.
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME ${VESTARA_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "${VESTARA_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${VESTARA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer and exporter of the equipment sprites of Vestara")
# Wrapped by hand: the package's description lines stay under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "VestaraItemViewer shows the equipment sprites of the online game Vestara\n"
  "one item at a time, straight from the game's sprite archives, at 50 to 300\n"
  "per cent on a background colour of the user's choice, and captures each\n"
  "picture to the next free bitmap file. It never replaces a file and only\n"
  "reads the game's own files.\n"
  "\n"
  "vestara-sprite renders the same pictures from the command line, lists the\n"
  "frames of an archive and exports a whole game as PNG or BMP files with an\n"
  "index and a contact sheet.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plugins are loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The dialog's Japanese captions want a Japanese gothic font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-japanese-gothic")
# Debian wants manual pages and the changelog compressed; a plain install keeps them as
# they are.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/compress_debian_docs.cmake)

include(CPack)
