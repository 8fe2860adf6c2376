# Run by CPack on its staged install before it builds a package: for the Debian package,
# compresses the manual pages and the changelog with gzip -9n, as Debian's policy asks.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
file(GLOB_RECURSE documents
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/*.1"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog")
if(NOT documents)
  message(FATAL_ERROR "no manual page or changelog below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(document IN LISTS documents)
  execute_process(COMMAND gzip -9nf "${document}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
