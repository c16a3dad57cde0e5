// Fuzz target of the runtime scanner and parser of a generated compiler:
// the example compiler MiniPas (examples/pascal), built from the same
// generated sources as the program `minipas` (fuzz_minipas) or as its fast
// shape `fast/minipas` (fuzz_minipas_fast), run in-process on the input as
// a source program. The build compiles the generated main under the name
// minipas_main; nothing here depends on the language itself.
//
// The generated actions keep their tables in static variables, which only
// a new process resets; the runtime itself starts every run afresh.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_target.h"
#include "program_target.h"

extern "C" int minipas_main(int ac, char** av);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zedra::fuzz::ProgramTarget minipas("minipas", minipas_main);
  minipas.run({{"prog.pas", std::string_view(reinterpret_cast<const char*>(data), size)}});
  return 0;
}
