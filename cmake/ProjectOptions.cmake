# One interface target carries the warning and sanitizer flags; every target of
# the project links it privately.
add_library(cyclo_options INTERFACE)
add_library(cyclo::options ALIAS cyclo_options)

if(MSVC)
  target_compile_options(cyclo_options INTERFACE /W4 /permissive- /utf-8)
  if(CYCLO_WARNINGS_AS_ERRORS)
    target_compile_options(cyclo_options INTERFACE /WX)
  endif()
else()
  target_compile_options(cyclo_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wdouble-promotion -Wimplicit-fallthrough)
  if(CYCLO_WARNINGS_AS_ERRORS)
    target_compile_options(cyclo_options INTERFACE -Werror)
  endif()
  if(CYCLO_SANITIZE)
    target_compile_options(cyclo_options INTERFACE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(cyclo_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

# Debian's hardening flags (fortified string and memory functions, stack
# protector, read-only relocations bound at start), as dpkg-buildflags gives
# them for a package built with hardening=+all; the build type keeps choosing
# optimisation and debug information. Fortifying needs an optimised build and
# does not mix with the sanitizers.
option(CYCLO_HARDENING "Build with Debian's hardening flags where dpkg-buildflags is found" ON)
if(CYCLO_HARDENING AND NOT CYCLO_SANITIZE AND CMAKE_SYSTEM_NAME STREQUAL "Linux"
   AND NOT CMAKE_CROSSCOMPILING)
  find_program(CYCLO_DPKG_BUILDFLAGS dpkg-buildflags)
  if(CYCLO_DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${CYCLO_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE cyclo_flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(cyclo_flags UNIX_COMMAND "${cyclo_flags}")
      list(FILTER cyclo_flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*)$")
      set(cyclo_hardening_${kind} ${cyclo_flags})
    endforeach()
    target_compile_options(cyclo_options INTERFACE
      "$<$<NOT:$<CONFIG:Debug>>:${cyclo_hardening_CPPFLAGS}>" ${cyclo_hardening_CXXFLAGS})
    target_link_options(cyclo_options INTERFACE ${cyclo_hardening_LDFLAGS})
    message(STATUS "Hardening: ${cyclo_hardening_CPPFLAGS} ${cyclo_hardening_CXXFLAGS} "
                   "${cyclo_hardening_LDFLAGS}")
  endif()
endif()
