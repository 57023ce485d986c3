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
