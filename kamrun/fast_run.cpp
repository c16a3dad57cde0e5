// Untraced execution over the pre-decoded program. Each fast case does the
// work only when it cannot fail; everything else (every error, every traced
// or rare instruction) is handed to step(), which executes that one
// instruction with its full checks and messages.
#include "arith.h"
#include "fast_ops.h"
#include "machine.h"
#include "opcodes.h"

namespace kam {

// The address of variable (sn, dpl) when the segment check passes; a word
// to be stored into must not be a segment header. sn is known to be 1..15.
bool Machine::fast_variable(std::int32_t sn, std::int32_t dpl, bool store,
                            std::uint32_t& address) const {
  // Unsigned compares fold the lower and upper bounds into one test each:
  // 4 <= base < size, 0 <= dpl < length, and the word inside the space.
  const auto size = static_cast<std::uint32_t>(mem_.size());
  const auto base = static_cast<std::uint32_t>(display_[static_cast<std::size_t>(sn)]);
  if (base - header_words >= size - header_words) return false;
  const auto length = static_cast<std::uint32_t>(mem_[base - 3]);
  const auto displacement = static_cast<std::uint32_t>(dpl);
  if (displacement >= length || displacement >= size - base) return false;
  address = base + displacement;
  return !store || header_map_[address] == 0;
}

// Checks the variables of a fast instruction for the current layout and
// keeps their addresses in its slots; false sends it to step().
bool Machine::validate(FastInstruction& f) const {
  bool ok = false;
  switch (f.op) {
    case F_LDVAR: case F_LDVAR_LDCON: case F_LVLC_EQ_JIFF: case F_LVLC_NE_JIFF:
    case F_LVLC_LT_JIFF: case F_LVLC_LE_JIFF: case F_LVLC_GT_JIFF: case F_LVLC_GE_JIFF:
      ok = fast_variable(f.a, f.b, false, f.slot[0]);
      break;
    case F_STVAR:
      ok = fast_variable(f.a, f.b, true, f.slot[0]);
      break;
    case F_LDCON_STVAR: case F_ADD_STVAR: case F_SUB_STVAR: case F_MUL_STVAR:
      ok = fast_variable(f.c, f.d, true, f.slot[0]);
      break;
    case F_LVLC_ADD_ST: case F_LVLC_SUB_ST: case F_LVLC_MUL_ST:
      ok = fast_variable(f.a, f.b, false, f.slot[0]) && fast_variable(f.e, f.f, true, f.slot[1]);
      break;
    case F_LVLV_ADD_ST: case F_LVLV_SUB_ST: case F_LVLV_MUL_ST:
      ok = fast_variable(f.a, f.b, false, f.slot[0]) && fast_variable(f.c, f.d, false, f.slot[1]) &&
           fast_variable(f.e, f.f, true, f.slot[2]);
      break;
    default:  // the two loads of F_LDVAR_LDVAR and F_LVLV_*_JIFF
      ok = fast_variable(f.a, f.b, false, f.slot[0]) && fast_variable(f.c, f.d, false, f.slot[1]);
      break;
  }
  if (ok) f.version = layout_version_;
  return ok;
}

Machine::FastEnd Machine::run_fast(long long& budget) {
  std::int32_t* st = stack_.data();
  int sp = sp_;
  int ic = ic_;
  std::int32_t* mem = mem_.data();
  std::uint64_t version = layout_version_;
  FastInstruction* code = fast_.data();
  // Taken from the budget at every jump (and at every slow step), so that
  // a loop cannot run for ever; kept in a register while the loop runs.
  long long remaining = budget;

// The variables of f checked for this layout, else on to step().
#define KAM_CHECKED if (f.version != version && !validate(f)) break
#define KAM_BINARY(fast, op)                                  \
  case fast:                                                  \
    if (sp < 2) break;                                        \
    st[sp - 2] = plain_binary(op, st[sp - 2], st[sp - 1]);    \
    --sp;                                                     \
    ++ic;                                                     \
    continue;
#define KAM_BINARY_STVAR(fast, op)                                        \
  case fast:                                                              \
    if (sp < 2) break;                                                    \
    KAM_CHECKED;                                                          \
    mem[f.slot[0]] = plain_binary(op, st[sp - 2], st[sp - 1]);            \
    sp -= 2;                                                              \
    ic += 2;                                                              \
    continue;
#define KAM_COMPARE_JIFF(fast, op)                                            \
  case fast:                                                                  \
    if (sp < 2 || --remaining < 0) break;                                     \
    sp -= 2;                                                                  \
    ic = plain_binary(op, st[sp], st[sp + 1]) != 0 ? ic + 2 : f.target;      \
    continue;
// The second operand of a quadruple: a variable (slot 1) or the constant c.
#define KAM_QUAD_STVAR(fast, second, result_slot, op)                         \
  case fast:                                                                \
    if (sp > stack_size - 2) break;                                         \
    KAM_CHECKED;                                                            \
    mem[f.slot[result_slot]] = plain_binary(op, mem[f.slot[0]], second);    \
    ic += 4;                                                                \
    continue;
#define KAM_QUAD_JIFF(fast, second, op)                                       \
  case fast:                                                                \
    if (sp > stack_size - 2) break;                                         \
    KAM_CHECKED;                                                            \
    if (--remaining < 0) break;                                             \
    ic = plain_binary(op, mem[f.slot[0]], second) != 0 ? ic + 4 : f.target; \
    continue;
#define KAM_VAR mem[f.slot[1]]
#define KAM_CON f.c

  for (;;) {
    FastInstruction& f = code[ic];
    switch (f.op) {
      case F_NOOP:
        ++ic;
        continue;
      case F_LDCON:
        if (sp >= stack_size) break;
        st[sp++] = f.a;
        ++ic;
        continue;
      case F_LDVAR:
        if (sp >= stack_size) break;
        KAM_CHECKED;
        st[sp++] = mem[f.slot[0]];
        ++ic;
        continue;
      case F_STVAR:
        if (sp < 1) break;
        KAM_CHECKED;
        mem[f.slot[0]] = st[--sp];
        ++ic;
        continue;
      case F_POP:
        if (sp < 1) break;
        --sp;
        ++ic;
        continue;
      case F_JUMP:
        if (--remaining < 0) break;
        ic = f.target;
        continue;
      case F_JIFF:
      case F_JIFT:
        if (sp < 1 || --remaining < 0) break;
        --sp;
        ic = (st[sp] != 0) == (f.op == F_JIFT) ? f.target : ic + 1;
        continue;
      KAM_BINARY(F_ADD, ADD)
      KAM_BINARY(F_SUB, SUB)
      KAM_BINARY(F_MUL, MUL)
      KAM_BINARY(F_AND, AND)
      KAM_BINARY(F_OR, OR)
      KAM_BINARY(F_EQ, EQ)
      KAM_BINARY(F_NE, NE)
      KAM_BINARY(F_LT, LT)
      KAM_BINARY(F_LE, LE)
      KAM_BINARY(F_GT, GT)
      KAM_BINARY(F_GE, GE)
      case F_LDVAR_LDVAR:
        if (sp > stack_size - 2) break;
        KAM_CHECKED;
        st[sp] = mem[f.slot[0]];
        st[sp + 1] = mem[f.slot[1]];
        sp += 2;
        ic += 2;
        continue;
      case F_LDVAR_LDCON:
        if (sp > stack_size - 2) break;
        KAM_CHECKED;
        st[sp] = mem[f.slot[0]];
        st[sp + 1] = f.c;
        sp += 2;
        ic += 2;
        continue;
      case F_LDCON_STVAR:
        if (sp >= stack_size) break;
        KAM_CHECKED;
        mem[f.slot[0]] = f.a;
        ic += 2;
        continue;
      KAM_BINARY_STVAR(F_ADD_STVAR, ADD)
      KAM_BINARY_STVAR(F_SUB_STVAR, SUB)
      KAM_BINARY_STVAR(F_MUL_STVAR, MUL)
      KAM_COMPARE_JIFF(F_EQ_JIFF, EQ)
      KAM_COMPARE_JIFF(F_NE_JIFF, NE)
      KAM_COMPARE_JIFF(F_LT_JIFF, LT)
      KAM_COMPARE_JIFF(F_LE_JIFF, LE)
      KAM_COMPARE_JIFF(F_GT_JIFF, GT)
      KAM_COMPARE_JIFF(F_GE_JIFF, GE)
      KAM_QUAD_STVAR(F_LVLV_ADD_ST, KAM_VAR, 2, ADD)
      KAM_QUAD_STVAR(F_LVLV_SUB_ST, KAM_VAR, 2, SUB)
      KAM_QUAD_STVAR(F_LVLV_MUL_ST, KAM_VAR, 2, MUL)
      KAM_QUAD_STVAR(F_LVLC_ADD_ST, KAM_CON, 1, ADD)
      KAM_QUAD_STVAR(F_LVLC_SUB_ST, KAM_CON, 1, SUB)
      KAM_QUAD_STVAR(F_LVLC_MUL_ST, KAM_CON, 1, MUL)
      KAM_QUAD_JIFF(F_LVLV_EQ_JIFF, KAM_VAR, EQ)
      KAM_QUAD_JIFF(F_LVLV_NE_JIFF, KAM_VAR, NE)
      KAM_QUAD_JIFF(F_LVLV_LT_JIFF, KAM_VAR, LT)
      KAM_QUAD_JIFF(F_LVLV_LE_JIFF, KAM_VAR, LE)
      KAM_QUAD_JIFF(F_LVLV_GT_JIFF, KAM_VAR, GT)
      KAM_QUAD_JIFF(F_LVLV_GE_JIFF, KAM_VAR, GE)
      KAM_QUAD_JIFF(F_LVLC_EQ_JIFF, KAM_CON, EQ)
      KAM_QUAD_JIFF(F_LVLC_NE_JIFF, KAM_CON, NE)
      KAM_QUAD_JIFF(F_LVLC_LT_JIFF, KAM_CON, LT)
      KAM_QUAD_JIFF(F_LVLC_LE_JIFF, KAM_CON, LE)
      KAM_QUAD_JIFF(F_LVLC_GT_JIFF, KAM_CON, GT)
      KAM_QUAD_JIFF(F_LVLC_GE_JIFF, KAM_CON, GE)
      case F_TRAP:
        sp_ = sp;
        ic_ = ic;
        budget = remaining;
        return FastEnd::Trap;
      default:
        break;
    }
    // The instruction at ic goes through the reference step.
    sp_ = sp;
    ic_ = ic;
    // A fast case that stopped at an empty budget took one without using it.
    if (remaining < 0 || --remaining < 0) {
      budget = 0;
      return FastEnd::OutOfBudget;
    }
    if (!step()) return FastEnd::Stopped;
    sp = sp_;
    ic = ic_;
    mem = mem_.data();
    version = layout_version_;
  }
#undef KAM_CHECKED
#undef KAM_BINARY
#undef KAM_BINARY_STVAR
#undef KAM_COMPARE_JIFF
#undef KAM_QUAD_STVAR
#undef KAM_QUAD_JIFF
#undef KAM_VAR
#undef KAM_CON
}

RunEnd Machine::run(std::uint32_t trace_flags, int start, long long budget) {
  try {
    if (trace_flags != 0 && start <= 1) {
      tracer_.enable(trace_flags);
    } else {
      decode(trace_flags != 0 ? start : no_instruction);
      const FastEnd end = run_fast(budget);
      if (end == FastEnd::OutOfBudget) return RunEnd::OutOfBudget;
      if (end == FastEnd::Stopped) return RunEnd::Stopped;
      tracer_.enable(trace_flags);
    }
    while (step())
      if (--budget < 0) return RunEnd::OutOfBudget;
    return RunEnd::Stopped;
  } catch (const QuitRequest&) {
    return RunEnd::Quit;
  } catch (const TerminalUnavailable&) {
    report(Msg::FileUnreadable, {tracer_.terminal_name()});
    return RunEnd::NoTerminal;
  }
}

}  // namespace kam
