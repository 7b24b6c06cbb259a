# Run by CPack over the staged tree before it packs: removes the compiler's version notes
# (.comment) and the .note section from every ELF file, with the strip of the build, as
# Debian's dh_strip does for the programs of a package. The symbols are gone already
# (CPACK_STRIP_FILES).
file(GLOB_RECURSE _files LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(_file IN LISTS _files)
  file(READ ${_file} _magic LIMIT 4 HEX)
  if(_magic STREQUAL "7f454c46")
    execute_process(
      COMMAND ${CPACK_KORVEL_STRIP} --remove-section=.comment --remove-section=.note ${_file}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
