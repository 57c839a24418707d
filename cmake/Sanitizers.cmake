# Checked builds: memory errors and undefined behaviour stop the program at
# the first one, so a test that meets one fails.
option(LAMPOTRON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(LAMPOTRON_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
