# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on:
# fortified functions, stack protector, format checks, relro and bindnow. Executables are
# position-independent already: Debian's compiler links PIE by default and Qt compiles with -fPIC.
# The build type keeps choosing the optimisation and debug levels, so dpkg's -g and -O2 are left
# out; fortification needs an optimising build, so a Debug build goes without it.
option(TRAZALIA_HARDENING "Build with the hardening flags of dpkg-buildflags" ON)

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(TRAZALIA_HARDENING AND DPKG_BUILDFLAGS)
    function(trazalia_buildflags kind out)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
        set(${out} ${flags} PARENT_SCOPE)
    endfunction()
    trazalia_buildflags(CPPFLAGS hardening_cppflags)
    trazalia_buildflags(CXXFLAGS hardening_cxxflags)
    trazalia_buildflags(LDFLAGS hardening_ldflags)
    add_compile_options(${hardening_cxxflags})
    foreach(flag IN LISTS hardening_cppflags)
        add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${flag}>")
    endforeach()
    add_link_options(${hardening_ldflags})
    message(STATUS "Hardening: ${hardening_cppflags};${hardening_cxxflags};${hardening_ldflags}")
elseif(TRAZALIA_HARDENING)
    message(WARNING "dpkg-buildflags not found: building without Debian's hardening flags")
endif()
