#include "opcodes.h"

#include <array>

namespace kam {
namespace {

constexpr std::array<OpcodeInfo, opcode_count> table = {{
#define KAM_OPCODE(opcode, name, operands, trace_class) {name, operands, trace_class},
#include "opcodes.def"
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
