#include "opcodes.h"

#include <array>

namespace kam {
namespace {

constexpr std::array<OpcodeInfo, opcode_count> table = {{
    {"abs_", 0, TraceOp},      {"add", 0, TraceOp},        {"and", 0, TraceOp},
    {"call", 1, TraceCall},    {"crseg", 2, TraceCseg},    {"descr", 3, TraceStack},
    {"dlseg", 0, TraceCseg},   {"dvi", 0, TraceOp},        {"eq", 0, TraceOp},
    {"eqn", 2, TraceOp},       {"ge", 0, TraceOp},         {"gt", 0, TraceOp},
    {"halt", 0, TraceCall},    {"jiff", 1, TraceJump},     {"jift", 1, TraceJump},
    {"jump", 1, TraceJump},    {"ldcon", 1, TraceLoad},    {"ldind", 0, TraceLoad},
    {"ldnvar", 2, TraceLoad},  {"ldvar", 2, TraceLoad},    {"ldxvar", 2, TraceLoad},
    {"le", 0, TraceOp},        {"lt", 0, TraceOp},         {"mdl", 0, TraceOp},
    {"mul", 0, TraceOp},       {"ne", 0, TraceOp},         {"neg", 0, TraceOp},
    {"nen", 2, TraceOp},       {"noop", 0, 0},             {"not", 0, TraceOp},
    {"or", 0, TraceOp},        {"pop", 0, TraceStack},     {"popn", 2, TraceStack},
    {"rdbool", 0, TraceIo},    {"rdchar", 0, TraceIo},     {"rdint", 0, TraceIo},
    {"rdstring", 0, TraceIo},  {"return_", 0, TraceCall},  {"stind", 0, TraceSto},
    {"stnvar", 2, TraceSto},   {"stvar", 2, TraceSto},     {"stxvar", 2, TraceLoad},
    {"sub", 0, TraceOp},       {"swap", 0, TraceSto},      {"varaddr", 2, TraceLoad},
    {"wrbool", 0, TraceIo},    {"wrchar", 0, TraceIo},     {"wrint", 0, TraceIo},
    {"wrstring", 0, TraceIo},  {"xvaraddr", 2, TraceLoad},
}};

constexpr bool sorted_by_bytes() {
  for (std::size_t i = 1; i < table.size(); ++i)
    if (!(table[i - 1].name < table[i].name)) return false;
  return true;
}
static_assert(sorted_by_bytes(), "bisection needs the names in byte order");

}  // namespace

const OpcodeInfo& opcode_info(int op) { return table[static_cast<std::size_t>(op)]; }

int find_opcode(std::string_view name) {
  int low = 0;
  int high = opcode_count - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const int cmp = name.compare(table[static_cast<std::size_t>(mid)].name);
    if (cmp == 0) return mid;
    if (cmp < 0)
      high = mid - 1;
    else
      low = mid + 1;
  }
  return -1;
}

}  // namespace kam
