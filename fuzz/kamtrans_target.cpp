// Fuzz target of a KAM translator (fuzz_k2s, fuzz_k2c, fuzz_k2a): the KAM
// reader that ZEDRA generates for the translators and the back-end of one
// of them, run in-process on the input as a KAM file. The build compiles
// the reader's generated main under the name translator_main and defines
// ZEDRA_TRANSLATOR as the translator's name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_target.h"
#include "program_target.h"

extern "C" int translator_main(int ac, char** av);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zedra::fuzz::ProgramTarget translator(ZEDRA_TRANSLATOR, translator_main);
  translator.run({{"prog.kam", std::string_view(reinterpret_cast<const char*>(data), size)}});
  return 0;
}
