# Debian's hardening flags (stack protector, fortified libc calls, read-only
# relocations bound at start), as dpkg-buildflags gives them to every Debian
# package. Without dpkg-dev the build goes on with the compiler's defaults.
option(LAMPOTRON_DEBIAN_HARDENING "Build with the hardening flags of dpkg-buildflags (package dpkg-dev), where it is installed" ON)

# Checked builds stay as they are: a fortified call would abort on an overflow
# before the sanitizer could say where it happened.
if(LAMPOTRON_DEBIAN_HARDENING AND NOT LAMPOTRON_SANITIZE)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(DPKG_BUILDFLAGS)
    # The build type chooses optimisation and debug information; fortified
    # calls need optimisation, so a Debug build goes without them.
    set(hardening hardening=+all)
    if(CMAKE_BUILD_TYPE STREQUAL "Debug")
      string(APPEND hardening ",-fortify")
    endif()
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${hardening} "DEB_CXXFLAGS_MAINT_STRIP=-O2 -g"
                ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
      else()
        add_compile_options(${flags})
      endif()
    endforeach()
    message(STATUS "Debian hardening flags: on (${hardening})")
  else()
    message(STATUS "Debian hardening flags: off, dpkg-buildflags not found (package dpkg-dev)")
  endif()
endif()
