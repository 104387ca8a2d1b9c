# The Debian package: `make package` (cpack -G DEB in build/) gives
# build/velmora_<version>_<arch>.deb. Included from CMakeLists.txt for a
# native Linux build with the desktop program.
include(GNUInstallDirs)

# The project has no home page of its own yet: none is named unless one is
# given (-DVELMORA_HOMEPAGE=https://...), and then the package's Homepage and
# the metainfo's home page and screenshots (HOMEPAGE/screenshots/*.png, the
# pictures `make screenshots` takes) point there.
set(VELMORA_HOMEPAGE "" CACHE STRING "The project's home page (package, metainfo); empty: none named")
if(VELMORA_HOMEPAGE MATCHES "example\\.org")
  # A build folder from before, holding the old placeholder.
  set(VELMORA_HOMEPAGE "" CACHE STRING "The project's home page (package, metainfo); empty: none named" FORCE)
endif()
# The package's Maintainer: whoever made the sources, as git names the author
# of the checkout's latest commit, unless given (-DVELMORA_MAINTAINER="Name <address>").
set(VELMORA_MAINTAINER "" CACHE STRING "The package's maintainer, \"Name <address>\"; empty: the git author")
set(velmora_maintainer "${VELMORA_MAINTAINER}")
if(velmora_maintainer STREQUAL "")
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 "--format=%an <%ae>"
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE velmora_maintainer
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(NOT velmora_maintainer MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(STATUS "No maintainer known (not a git checkout): make package needs -DVELMORA_MAINTAINER=\"Name <address>\"")
  set(velmora_maintainer "")
endif()
set(VELMORA_METAINFO_LINKS "")
if(NOT VELMORA_HOMEPAGE STREQUAL "")
  string(CONCAT VELMORA_METAINFO_LINKS
    "  <url type=\"homepage\">${VELMORA_HOMEPAGE}</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The input window with a birth record filled in</caption>\n"
    "      <image type=\"source\">${VELMORA_HOMEPAGE}/screenshots/input-window-filled.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>The results window, one tab per element</caption>\n"
    "      <image type=\"source\">${VELMORA_HOMEPAGE}/screenshots/results-window.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
string(TIMESTAMP VELMORA_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP VELMORA_RELEASE_DATE_RFC2822 "%a, %d %b %Y 00:00:00 +0000" UTC)
set(pkg ${CMAKE_BINARY_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/velmora)
set(mandir ${CMAKE_INSTALL_MANDIR}/man1)

configure_file(packaging/org.velmora.Velmora.metainfo.xml.in ${pkg}/org.velmora.Velmora.metainfo.xml @ONLY)
configure_file(packaging/changelog.in ${pkg}/changelog @ONLY)
configure_file(packaging/velmora.1.in ${pkg}/velmora.1 @ONLY)

# Manual pages and the changelog, compressed as Debian wants them (gzip -n:
# no name or time stamp inside, so the same sources give the same bytes).
# Both pages are kept by hand; velmora-report's is held to its --help by
# tests/report/ManualPageTest.cpp.
configure_file(packaging/velmora-report.1.in ${pkg}/velmora-report.1 @ONLY)
find_program(GZIP gzip REQUIRED)
foreach(page IN ITEMS velmora-report.1 velmora.1 changelog)
  add_custom_command(OUTPUT ${pkg}/${page}.gz
    COMMAND ${GZIP} -9n -c ${pkg}/${page} > ${pkg}/${page}.gz
    DEPENDS ${pkg}/${page})
endforeach()
add_custom_target(velmora_package_files ALL
  DEPENDS ${pkg}/velmora-report.1.gz ${pkg}/velmora.1.gz ${pkg}/changelog.gz)

install(FILES packaging/org.velmora.Velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES packaging/icons/${size}x${size}/velmora.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${pkg}/org.velmora.Velmora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/velmora.1.gz ${pkg}/velmora-report.1.gz DESTINATION ${mandir})
install(FILES packaging/copyright ${pkg}/changelog.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "${velmora_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "panchang of a moment and place: vara, nakshatra, tithi, yoga, karana")
# The synopsis line is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora computes the panchang of one moment and place, typically a
person's birth: the weekday (vara), the Moon's nakshatra, the tithi, the
yoga and the karana, with the start and end times of each on the local
clock, and the ayanamsa. Places are looked up offline (GeoNames data, CC BY
4.0) with the time zone of the date.
.
The package holds the desktop program, velmora, and its command-line
companion, velmora-report, which prints the same results as text, as JSON
Lines for other programs, or as a PDF.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT VELMORA_HOMEPAGE STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
endif()
# The libraries' packages from dpkg-shlibdeps, over the binaries themselves;
# beside them only the data read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Names are typed and shown in any script: a font with Devanagari and Tamil
# (and the other Indian scripts), or the boxes and the PDF show empty squares.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgeonames-common, tzdata, fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE VELMORA_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${VELMORA_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME velmora_${PROJECT_VERSION}_${VELMORA_DEB_ARCH}.deb)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
