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
set(KORVEL_HOMEPAGE "https://korvel.example.org")
set(KORVEL_APPSTREAM_ID org.example.korvel)
set(KORVEL_SUMMARY "stake-out coordinates of an elliptical cone slope")
set(KORVEL_DESCRIPTION
"Korvel computes the points to stake out for one quarter of an elliptical cone
slope laid out against a road, spaced by a fixed length along the long axis or
by a fixed angle at the centre. Inputs are saved to small zdy files; results
are saved as a text file or as a spreadsheet workbook. The points go to
instruments and drawings as point files: CASS .dat, Leica GSI-16 .gsi,
CSV (P, N, E, Z, D), LandXML 1.2 .xml and AutoCAD R12 .dxf.

椭圆锥坡放样坐标计算：按步长或按角值计算道路旁椭圆锥坡四分之一
椭圆上各放样点的 X、Y 坐标。参数可保存为 zdy 文件，成果可保存为
文本文件或电子表格。放样点可导出为仪器和绘图用的点文件：CASS .dat、
徕卡 GSI-16 .gsi、CSV (P, N, E, Z, D)、LandXML 1.2 .xml 和 AutoCAD R12 .dxf。")

# The files of /usr/share/doc/korvel and the manual pages, made from the values above.
set(_pkg ${CMAKE_BINARY_DIR}/packaging)
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/${KORVEL_PACKAGE_NAME})
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${_pkg}/copyright @ONLY)
set(_pages korvel.1)
foreach(_file changelog korvel.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${_file}.in ${_pkg}/${_file} @ONLY)
endforeach()
# korvel-calc's page is its own --help and --version, put into manual page form by help2man;
# it needs the program to run, so a cross-build has none. The help is in Chinese and
# English, so help2man reads it under a UTF-8 locale; korvel-calc.h2m adds the sections a
# --help does not have.
if(TARGET korvel-calc AND NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
  find_program(KORVEL_HELP2MAN help2man REQUIRED)
  add_custom_command(OUTPUT ${_pkg}/korvel-calc.1
    COMMAND ${KORVEL_HELP2MAN} --no-info --section=1 --locale=C.UTF-8
            "--name=${KORVEL_SUMMARY}" --include=${CMAKE_CURRENT_LIST_DIR}/korvel-calc.h2m
            --output=${_pkg}/korvel-calc.1 $<TARGET_FILE:korvel-calc>
    DEPENDS korvel-calc ${CMAKE_CURRENT_LIST_DIR}/korvel-calc.h2m
    COMMENT "Writing the korvel-calc manual page from its --help"
    VERBATIM)
  list(APPEND _pages korvel-calc.1)
endif()
set(_gzipped)
find_program(KORVEL_GZIP gzip REQUIRED)
foreach(_file changelog ${_pages})
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

# The AppStream entry for software centres. Its release day is the changelog's date in
# ISO form; its developer and contact come from the maintainer field.
if(NOT WIN32)
  string(REGEX MATCH "^[A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+)" _ ${KORVEL_RELEASE_DATE})
  set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(FIND _months ${CMAKE_MATCH_2} _month)
  math(EXPR _month "${_month} + 1")
  string(LENGTH ${_month} _digits)
  if(_digits EQUAL 1)
    set(_month 0${_month})
  endif()
  set(KORVEL_RELEASE_DAY ${CMAKE_MATCH_3}-${_month}-${CMAKE_MATCH_1})
  string(REGEX REPLACE " *<.*" "" KORVEL_DEVELOPERS ${KORVEL_MAINTAINER})
  string(REGEX REPLACE ".*<(.*)>.*" "\\1" KORVEL_CONTACT ${KORVEL_MAINTAINER})
  set(_metainfo ${_pkg}/${KORVEL_APPSTREAM_ID}.metainfo.xml)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/org.example.korvel.metainfo.xml.in ${_metainfo} @ONLY)
  install(FILES ${_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KORVEL_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Korvel developers")
set(CPACK_PACKAGE_CONTACT ${KORVEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${KORVEL_SUMMARY})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# After the symbols, the .comment and .note sections go too, as dh_strip removes them.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_sections.cmake)
set(CPACK_KORVEL_STRIP ${CMAKE_STRIP})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORVEL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION ${KORVEL_SECTION})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION ${KORVEL_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries found above: the font the stake-out sheet embeds, which reads back
# from the PDF as the characters written.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wqy-microhei)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
