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
