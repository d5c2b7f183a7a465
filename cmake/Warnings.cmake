# Warnings and sanitizers, applied through one interface target.
add_library(velloway_build_flags INTERFACE)
target_compile_options(velloway_build_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wnon-virtual-dtor
  -Woverloaded-virtual -Wimplicit-fallthrough
  $<$<BOOL:${VELLOWAY_WERROR}>:-Werror>)
if(VELLOWAY_SANITIZE)
  target_compile_options(velloway_build_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(velloway_build_flags INTERFACE -fsanitize=address,undefined)
  # Tests that measure memory or run valgrind skip themselves under the sanitizers.
  target_compile_definitions(velloway_build_flags INTERFACE VELLOWAY_SANITIZED)
endif()
