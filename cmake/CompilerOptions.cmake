# Applied to every target of the project through quarlin_options.
add_library(quarlin_options INTERFACE)

if(MSVC)
  target_compile_options(quarlin_options INTERFACE /W4)
  if(QUARLIN_WARNINGS_AS_ERRORS)
    target_compile_options(quarlin_options INTERFACE /WX)
  endif()
else()
  target_compile_options(quarlin_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(QUARLIN_WARNINGS_AS_ERRORS)
    target_compile_options(quarlin_options INTERFACE -Werror)
  endif()
endif()

if(QUARLIN_SANITIZE)
  target_compile_options(quarlin_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quarlin_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing: every target gets coverage instrumentation and both sanitizers; the
# fuzz targets themselves link libFuzzer's main (fuzz/CMakeLists.txt).
if(QUARLIN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUARLIN_FUZZ needs clang (libFuzzer): configure with the fuzz preset")
  endif()
  target_compile_options(quarlin_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quarlin_options INTERFACE -fsanitize=address,undefined)
endif()
