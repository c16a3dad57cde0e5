// Fuzz target of the scanner-dialect reader: a whole sgen run (reading with
// the automaton built on the way, resolution, subset construction,
// minimisation, the listing and the generated scanner) on the input as a
// scanner specification.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "driver/driver.h"
#include "fuzz_target.h"
#include "program_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zedra::fuzz::ProgramTarget sgen("sgen", zedra::run_sgen);
  sgen.run({{"spec.inp", std::string_view(reinterpret_cast<const char*>(data), size)}});
  return 0;
}
