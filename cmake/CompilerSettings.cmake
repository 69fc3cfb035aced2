# Warnings and sanitizers for every target of the project, through one interface library.
add_library(kelvaro_compile_options INTERFACE)
target_compile_options(kelvaro_compile_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(KELVARO_WARNINGS_AS_ERRORS)
  target_compile_options(kelvaro_compile_options INTERFACE -Werror)
endif()
if(KELVARO_SANITIZE)
  target_compile_options(kelvaro_compile_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kelvaro_compile_options INTERFACE -fsanitize=address,undefined)
endif()
