# Debian's hardening flags, as dpkg-buildflags gives them to a Debian package build with every
# hardening feature on (so bindnow, -Wl,-z,now, too): stack protector, fortified glibc calls,
# format checks, read-only relocations bound at start. They apply to the optimised native
# builds, the one the package is made from among them. Optimisation and debug information
# stay the build type's, so dpkg's own -O and -g are left out. The sanitized build (with the
# fuzzers, if any) and the Windows cross-build keep their own flags; a Debug build has no
# optimisation for _FORTIFY_SOURCE to work with.
if(WIN32 OR KORVEL_SANITIZE OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  return()
endif()
find_program(KORVEL_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT KORVEL_DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found: built without Debian's hardening flags")
  return()
endif()

# One of dpkg-buildflags' variables (CPPFLAGS, CXXFLAGS, LDFLAGS) as a list, without -O and -g.
function(korvel_dpkg_flags name out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${KORVEL_DPKG_BUILDFLAGS} --get ${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-[Og]")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

korvel_dpkg_flags(CPPFLAGS _cppflags)
korvel_dpkg_flags(CXXFLAGS _cxxflags)
korvel_dpkg_flags(LDFLAGS _ldflags)
add_compile_options(${_cppflags} ${_cxxflags})
add_link_options(${_ldflags})
message(STATUS "Debian hardening: ${_cppflags} ${_cxxflags} ${_ldflags}")
