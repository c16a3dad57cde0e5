# The libFuzzer build (make fuzz configures it in build-fuzz): everything is
# compiled by clang with the coverage instrumentation of libFuzzer and with
# AddressSanitizer and UndefinedBehaviorSanitizer, assertions on; the fuzz
# targets add the libFuzzer main when they link (fuzz/CMakeLists.txt).
# Included by the top-level CMakeLists.txt before any target is defined.
option(ZEDRA_FUZZ "Build the fuzz targets with libFuzzer (needs clang)" OFF)
if(ZEDRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT CMAKE_C_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZEDRA_FUZZ needs clang and clang++ (libFuzzer ships with clang)")
  endif()
  set(ZEDRA_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined
      -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O2)
  add_compile_options(${ZEDRA_FUZZ_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()
