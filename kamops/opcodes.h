// The KAM instruction set: names in byte order, operand counts and the
// trace class each instruction belongs to. The opcode is the table index;
// the instructions themselves are listed once, in opcodes.def.
#pragma once

#include <cstdint>
#include <string_view>

namespace kam {

// Trace classes, one bit each; Interactive is the stepping mode.
enum TraceBit : std::uint32_t {
  TraceStack = 1u << 0,
  TraceSeg = 1u << 1,
  TraceCall = 1u << 2,
  TraceOp = 1u << 3,
  TraceLoad = 1u << 4,
  TraceSto = 1u << 5,
  TraceJump = 1u << 6,
  TraceCseg = 1u << 7,
  TraceIo = 1u << 8,
  TraceInteractive = 1u << 9,
};
inline constexpr std::uint32_t trace_all = 0xffffffffu;

// The opcodes in the order of opcodes.def, numbered from 0.
enum Opcode : std::uint8_t {
#define KAM_OPCODE(opcode, name, operands, trace_class) opcode,
#include "opcodes.def"
};

inline constexpr int opcode_count = 0
#define KAM_OPCODE(opcode, name, operands, trace_class) +1
#include "opcodes.def"
    ;

struct OpcodeInfo {
  std::string_view name;
  int operands;
  std::uint32_t trace_class;  // 0: never traced (noop)
};

// Name, operand count and trace class of an opcode (0 <= op < opcode_count).
const OpcodeInfo& opcode_info(int op);

// Bisection over the sorted name table; -1 when the name is unknown.
int find_opcode(std::string_view name);

}  // namespace kam
