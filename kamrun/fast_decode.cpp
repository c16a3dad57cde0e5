// Pre-decoding for the fast loop: every instruction before the last halt
// becomes a fast instruction, and common sequences are fused (a load pair,
// "op; stvar", "compare; jiff", and pairs of those into quadruples).
#include "fast_ops.h"
#include "machine.h"
#include "opcodes.h"

namespace kam {
namespace {

// The fused quadruple for a fused load pair followed by a fused second
// pair, or F_SLOW.
FastOp fused_quadruple(int loads, int rest) {
  const bool two_vars = loads == F_LDVAR_LDVAR;
  switch (rest) {
    case F_ADD_STVAR: return two_vars ? F_LVLV_ADD_ST : F_LVLC_ADD_ST;
    case F_SUB_STVAR: return two_vars ? F_LVLV_SUB_ST : F_LVLC_SUB_ST;
    case F_MUL_STVAR: return two_vars ? F_LVLV_MUL_ST : F_LVLC_MUL_ST;
    case F_EQ_JIFF: return two_vars ? F_LVLV_EQ_JIFF : F_LVLC_EQ_JIFF;
    case F_NE_JIFF: return two_vars ? F_LVLV_NE_JIFF : F_LVLC_NE_JIFF;
    case F_LT_JIFF: return two_vars ? F_LVLV_LT_JIFF : F_LVLC_LT_JIFF;
    case F_LE_JIFF: return two_vars ? F_LVLV_LE_JIFF : F_LVLC_LE_JIFF;
    case F_GT_JIFF: return two_vars ? F_LVLV_GT_JIFF : F_LVLC_GT_JIFF;
    case F_GE_JIFF: return two_vars ? F_LVLV_GE_JIFF : F_LVLC_GE_JIFF;
    default: return F_SLOW;
  }
}

FastOp binary_fast_op(int op) {
  switch (op) {
    case ADD: return F_ADD;
    case SUB: return F_SUB;
    case MUL: return F_MUL;
    case AND: return F_AND;
    case OR: return F_OR;
    case EQ: return F_EQ;
    case NE: return F_NE;
    case LT: return F_LT;
    case LE: return F_LE;
    case GT: return F_GT;
    case GE: return F_GE;
    default: return F_SLOW;
  }
}

FastOp fused_compare_jiff(int op) {
  switch (op) {
    case EQ: return F_EQ_JIFF;
    case NE: return F_NE_JIFF;
    case LT: return F_LT_JIFF;
    case LE: return F_LE_JIFF;
    case GT: return F_GT_JIFF;
    case GE: return F_GE_JIFF;
    default: return F_SLOW;
  }
}

FastOp fused_binary_stvar(int op) {
  switch (op) {
    case ADD: return F_ADD_STVAR;
    case SUB: return F_SUB_STVAR;
    case MUL: return F_MUL_STVAR;
    default: return F_SLOW;
  }
}

bool valid_level(std::int32_t sn) { return sn >= 1 && sn <= max_level; }

}  // namespace

// Builds fast_ for the current program. The instruction at trap_index (if
// any) becomes a trap, and no fused pair reaches over it.
void Machine::decode(int trap_index) {
  const auto& code = program_.code;
  const int halt = program_.halt_index;
  fast_.assign(code.size(), FastInstruction{});
  // A jump target is taken over only when the jump cannot fail there.
  const auto target_of = [&](std::int32_t label) {
    const int target = program_.label_target(label);
    return target >= 0 && target <= halt ? target : no_instruction;
  };
  // Only instructions before the last halt run here, so the next IC of a
  // sequential step is always in range.
  for (int i = 0; i < halt && i < static_cast<int>(code.size()); ++i) {
    const Instruction& in = code[static_cast<std::size_t>(i)];
    FastInstruction& out = fast_[static_cast<std::size_t>(i)];
    out.a = in.args[0];
    out.b = in.args[1];
    switch (in.op) {
      case NOOP: out.op = F_NOOP; break;
      case LDCON: out.op = F_LDCON; break;
      case POP: out.op = F_POP; break;
      case LDVAR: out.op = valid_level(in.args[0]) ? F_LDVAR : F_SLOW; break;
      case STVAR: out.op = valid_level(in.args[0]) ? F_STVAR : F_SLOW; break;
      case JUMP: case JIFF: case JIFT:
        out.target = target_of(in.args[0]);
        out.op = out.target == no_instruction ? F_SLOW
                 : in.op == JUMP              ? F_JUMP
                 : in.op == JIFF              ? F_JIFF
                                              : F_JIFT;
        break;
      default: out.op = binary_fast_op(in.op); break;
    }
  }
  for (int i = 0; i + 1 < halt && i + 1 < static_cast<int>(code.size()); ++i) {
    if (i + 1 == trap_index) continue;
    const Instruction& first = code[static_cast<std::size_t>(i)];
    const FastInstruction& second = fast_[static_cast<std::size_t>(i + 1)];
    FastInstruction& out = fast_[static_cast<std::size_t>(i)];
    FastOp fused = F_SLOW;
    if (out.op == F_LDVAR && second.op == F_LDVAR) fused = F_LDVAR_LDVAR;
    else if (out.op == F_LDVAR && second.op == F_LDCON) fused = F_LDVAR_LDCON;
    else if (out.op == F_LDCON && second.op == F_STVAR) fused = F_LDCON_STVAR;
    else if (second.op == F_STVAR) fused = fused_binary_stvar(first.op);
    else if (second.op == F_JIFF) fused = fused_compare_jiff(first.op);
    if (fused == F_SLOW) continue;
    out.op = fused;
    out.c = second.a;
    out.d = second.b;
    out.target = second.target;
  }
  // Two fused pairs in a row make a quadruple when the second pair does not
  // hold the trap (the pairs themselves never reach over it).
  for (int i = 0; i + 2 < static_cast<int>(fast_.size()); ++i) {
    FastInstruction& out = fast_[static_cast<std::size_t>(i)];
    const FastInstruction& rest = fast_[static_cast<std::size_t>(i + 2)];
    if ((out.op != F_LDVAR_LDVAR && out.op != F_LDVAR_LDCON) || i + 2 == trap_index) continue;
    const FastOp fused = fused_quadruple(out.op, rest.op);
    if (fused == F_SLOW) continue;
    out.op = fused;
    out.e = rest.c;
    out.f = rest.d;
    out.target = rest.target;
  }
  if (trap_index >= 0 && trap_index < static_cast<int>(fast_.size()))
    fast_[static_cast<std::size_t>(trap_index)].op = F_TRAP;
}

}  // namespace kam
