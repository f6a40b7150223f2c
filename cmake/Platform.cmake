# Compiler settings shared by every target: warnings, sanitizers for the native test build,
# and for Windows a Unicode, statically linked program that needs no runtime DLLs.
add_compile_options(-Wall -Wextra)

if(FENNICK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  enable_language(RC)
  add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
