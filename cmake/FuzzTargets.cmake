# libFuzzer targets for the file readers, one per tests/fuzz/Fuzz*.cpp. The
# whole build is instrumented (see VELMORA_FUZZ in CMakeLists.txt); only these
# executables link the fuzzer's main. The readers sit in the files layer and
# below, so the targets link that alone. Run them with scripts/fuzz.sh, which
# builds these targets and nothing else.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VELMORA_FUZZ needs clang (libFuzzer)")
endif()

file(GLOB VELMORA_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/Fuzz*.cpp)
foreach(source IN LISTS VELMORA_FUZZ_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source} ${CMAKE_SOURCE_DIR}/tests/fuzz/SanitizerOptions.cpp)
  target_link_libraries(${name} PRIVATE velmora_files)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
  target_compile_options(${name} PRIVATE ${VELMORA_WARNINGS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  list(APPEND VELMORA_FUZZ_TARGETS ${name})
endforeach()
add_custom_target(velmora_fuzz_targets DEPENDS ${VELMORA_FUZZ_TARGETS})
