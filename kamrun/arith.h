// Operator instructions on 32-bit two's-complement words. Results wrap
// around instead of overflowing; shared by every execution path so that
// the plain and the fused instructions compute the same values.
#pragma once

#include <cstdint>

#include "opcodes.h"

namespace kam {

inline std::int32_t wrap(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// The operators that cannot fail: pop b, pop a, push the result.
inline bool is_plain_binary(int op) {
  switch (op) {
    case ADD: case SUB: case MUL: case AND: case OR:
    case EQ: case NE: case LT: case LE: case GT: case GE:
      return true;
    default:
      return false;
  }
}

inline std::int32_t plain_binary(int op, std::int32_t a, std::int32_t b) {
  const std::int64_t x = a;
  const std::int64_t y = b;
  switch (op) {
    case ADD: return wrap(x + y);
    case SUB: return wrap(x - y);
    case MUL: return wrap(x * y);
    case AND: return x * y != 0;  // the mathematical product cannot overflow to 0
    case OR: return x + y != 0;   // so 1 or -1 gives 0
    case EQ: return a == b;
    case NE: return a != b;
    case LT: return a < b;
    case LE: return a <= b;
    case GT: return a > b;
    default: return a >= b;  // GE
  }
}

}  // namespace kam
