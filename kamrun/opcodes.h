// The KAM instruction set: names in byte order, operand counts and the
// trace class each instruction belongs to. The opcode is the table index.
#pragma once

#include <cstdint>
#include <string_view>

namespace kam {

enum Opcode : std::uint8_t {
  ABS_, ADD, AND, CALL, CRSEG, DESCR, DLSEG, DVI, EQ, EQN,
  GE, GT, HALT, JIFF, JIFT, JUMP, LDCON, LDIND, LDNVAR, LDVAR,
  LDXVAR, LE, LT, MDL, MUL, NE, NEG, NEN, NOOP, NOT,
  OR, POP, POPN, RDBOOL, RDCHAR, RDINT, RDSTRING, RETURN_, STIND, STNVAR,
  STVAR, STXVAR, SUB, SWAP, VARADDR, WRBOOL, WRCHAR, WRINT, WRSTRING, XVARADDR,
};

inline constexpr int opcode_count = 50;

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
