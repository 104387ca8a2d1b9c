# The Debian package: `make package` (cpack -G DEB in build/) gives
# build/velmora_<version>_<arch>.deb. Included from CMakeLists.txt for a
# native Linux build with the desktop program.
include(GNUInstallDirs)

set(VELMORA_HOMEPAGE "https://velmora.example.org" CACHE STRING "The project's home page (package, metainfo)")
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
# velmora-report's page is made from its own --help and --version.
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
if(NOT HELP2MAN)
  message(STATUS "help2man not found: no manual page for velmora-report (make package needs it)")
endif()
add_custom_command(OUTPUT ${pkg}/velmora-report.1
  COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section=1
          --name "the panchang of a moment and place from the command line"
          --include=${CMAKE_SOURCE_DIR}/packaging/velmora-report.h2m
          --output=${pkg}/velmora-report.1 $<TARGET_FILE:velmora-report>
  DEPENDS velmora-report packaging/velmora-report.h2m VERBATIM)
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
set(CPACK_PACKAGE_CONTACT "The Velmora developers <velmora@users.noreply.invalid>")
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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
# The libraries' packages from dpkg-shlibdeps, over the binaries themselves;
# beside them only the data read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
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
