# Read by cpack when it builds the Debian package. Quor 3 has no address of its
# own, so the package's maintainer is whoever builds it, named as Debian's own
# tools name a packager: DEBFULLNAME and DEBEMAIL (or EMAIL), or
# cpack -D CPACK_DEBIAN_PACKAGE_MAINTAINER="Name <address>".
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
  set(address "$ENV{DEBEMAIL}")
  if(address STREQUAL "")
    set(address "$ENV{EMAIL}")
  endif()
  if(address MATCHES "^(.+) <(.+)>$")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${address}")
  elseif(NOT address STREQUAL "" AND NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <${address}>")
  else()
    message(FATAL_ERROR "The Debian package names its maintainer, the person who builds it: "
                        "DEBFULLNAME='Your Name' DEBEMAIL=your@address cpack -G DEB")
  endif()
endif()
