// Fuzz target of the parser-dialect reader: a whole pgen run (reading,
// include files, resolution, the grammar analyses and the generated files)
// on the input as a parser specification.
//
// The text behind the first marker comment "(*=include=*)" becomes the
// include file "part.inc", which the specification reads with
// "INCLUDE part."; without the marker there is no include file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "driver/driver.h"
#include "fuzz_target.h"
#include "program_target.h"

namespace {

constexpr std::string_view kIncludeMarker = "(*=include=*)";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zedra::fuzz::ProgramTarget pgen("pgen", zedra::run_pgen);
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t marker = input.find(kIncludeMarker);
  if (marker == std::string_view::npos) {
    pgen.run({{"spec.inp", input}});
  } else {
    pgen.run({{"spec.inp", input.substr(0, marker)},
              {"part.inc", input.substr(marker + kIncludeMarker.size())}});
  }
  return 0;
}
