# Checked builds: memory errors and undefined behaviour stop the program at
# the first one, so a test that meets one fails.
option(LAMPOTRON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(LAMPOTRON_FUZZ "Build the libFuzzer targets under tests/fuzz (clang only, always checked)" OFF)

if(LAMPOTRON_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "LAMPOTRON_FUZZ needs clang: configure with CXX=clang++")
  endif()
  set(LAMPOTRON_SANITIZE ON)
  # Coverage feedback from all of our code; only the fuzz targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(LAMPOTRON_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
