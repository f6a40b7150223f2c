# libFuzzer targets for the scanners and the layout of the markup language, built by the "fuzz"
# preset (clang with -fsanitize=fuzzer-no-link,address,undefined on all code). Each target starts
# from its seed corpus in corpus/<name>; scripts/test.sh gives every one a short bounded run.
option(FENNICK_FUZZ "Build the libFuzzer targets" OFF)
if(NOT FENNICK_FUZZ)
  return()
endif()

set(markup_fuzzers
  fuzz_markup_tokens
  fuzz_style_declarations
  fuzz_tag_attributes
  fuzz_line_break
  fuzz_markup_layout
  fuzz_open_command
)
foreach(fuzzer IN LISTS markup_fuzzers)
  add_executable(${fuzzer} ${CMAKE_CURRENT_LIST_DIR}/${fuzzer}.cpp)
  target_link_libraries(${fuzzer} PRIVATE fennick_markup_test_support)
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
endforeach()
add_custom_target(fennick_markup_fuzzers DEPENDS ${markup_fuzzers})
