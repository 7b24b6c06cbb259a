# The Debian package: `cpack -G DEB` in the build folder gives korvel_<version>_amd64.deb.
# Everything the package says about itself is set here; the version is the project's. The
# package holds whatever the install rules install, so a program added with its own
# install(TARGETS ...) is packaged without a change here. Include this file after every
# add_subdirectory, so that the manual pages can follow the programs that exist.
set(KORVEL_PACKAGE_NAME korvel)
set(KORVEL_MAINTAINER "Korvel developers <korvel@example.org>")
set(KORVEL_SECTION science)
set(KORVEL_LICENSE MIT)
set(KORVEL_COPYRIGHT "2026 Korvel developers")
set(KORVEL_RELEASE_DATE "Sun, 06 Dec 2026 12:00:00 +0000")
set(KORVEL_SUMMARY "stake-out coordinates of an elliptical cone slope")
set(KORVEL_DESCRIPTION
"Korvel computes the points to stake out for one quarter of an elliptical cone
slope laid out against a road, spaced by a fixed length along the long axis or
by a fixed angle at the centre. Inputs are saved to small zdy files; results
are saved as a text file or as a spreadsheet workbook.

椭圆锥坡放样坐标计算：按步长或按角值计算道路旁椭圆锥坡四分之一
椭圆上各放样点的 X、Y 坐标。参数可保存为 zdy 文件，成果可保存为
文本文件或电子表格。")

# The files of /usr/share/doc/korvel and the manual page, made from the values above.
set(_pkg ${CMAKE_BINARY_DIR}/packaging)
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/${KORVEL_PACKAGE_NAME})
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${_pkg}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${_pkg}/changelog @ONLY)
set(_pages korvel.1)
if(TARGET korvel-calc)
  list(APPEND _pages korvel-calc.1)
endif()
set(_gzipped)
find_program(KORVEL_GZIP gzip REQUIRED)
foreach(_file changelog ${_pages})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${_file}.in ${_pkg}/${_file} @ONLY)
  add_custom_command(OUTPUT ${_pkg}/${_file}.gz
    COMMAND ${KORVEL_GZIP} -9nf -k ${_pkg}/${_file}
    DEPENDS ${_pkg}/${_file}
    VERBATIM)
  list(APPEND _gzipped ${_pkg}/${_file}.gz)
endforeach()
add_custom_target(korvel_package_docs ALL DEPENDS ${_gzipped})
install(FILES ${_pkg}/copyright ${_pkg}/changelog.gz DESTINATION ${_doc})
list(TRANSFORM _pages REPLACE "(.+)" "${_pkg}/\\1.gz")
install(FILES ${_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KORVEL_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Korvel developers")
set(CPACK_PACKAGE_CONTACT ${KORVEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${KORVEL_SUMMARY})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORVEL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION ${KORVEL_SECTION})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION ${KORVEL_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
