// The entry point every fuzz target defines: one call per input, with the
// input's bytes. libFuzzer calls it in the fuzzing build; the standalone
// driver (standalone_main.cpp) calls it in the ordinary build, so that the
// targets are compiled and run by the test suite as well.
#pragma once

#include <cstddef>
#include <cstdint>

// Runs one input; always gives 0. A failure shows as a crash, a sanitizer
// report or a run that does not end, never as a result.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
