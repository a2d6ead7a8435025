# Run by cpack after it installed the package's files, before it packs them: a
# Debian package carries a changelog, /usr/share/doc/quor3/changelog.gz for a
# package made by its own project; its entry is this build, by its maintainer
# (DebianPackage.cmake), dated now (or SOURCE_DATE_EPOCH).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(doc "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/quor3")
file(WRITE "${doc}/changelog"
     "quor3 (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n\n"
     "  * Quor 3 ${CPACK_PACKAGE_VERSION}, packaged from its sources.\n\n"
     " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${date}\n")
execute_process(COMMAND gzip -9nf "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
