# Settings shared by every target of the project's own code.

if(ORBALIDE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(ORBALIDE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings as errors, and floating-point code exactly as written: a fused multiply-add
# changes the last bits of the geodesic results.
function(orbalide_settings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Werror
    -ffp-contract=off -fno-math-errno)
  # GCC 12 sees overlaps that cannot happen in std::string's concatenations once they are inlined
  # (its bug 105329, -Wrestrict at -O2 and above): the warning is off there, not worked around at
  # each concatenation.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
