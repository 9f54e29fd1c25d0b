# SPDX-License-Identifier: GPL-3.0-or-later
# With QUORVIA_DEBIAN_BAUFLAGS every target is compiled and linked with the flags
# dpkg-buildflags gives a Debian package, hardening included (stack protector, fortified
# functions, full RELRO with immediate binding). Included before any target is defined.
option(QUORVIA_DEBIAN_BAUFLAGS "Compile and link with dpkg-buildflags' flags (Debian package)" OFF)

if(QUORVIA_DEBIAN_BAUFLAGS)
    find_program(QUORVIA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(art CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${QUORVIA_DPKG_BUILDFLAGS} --get ${art}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        message(STATUS "dpkg-buildflags ${art}: ${flags}")
        if(art STREQUAL "LDFLAGS")
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
    endforeach()
endif()
