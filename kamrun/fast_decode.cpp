// Pre-decoding for the fast loop: every instruction before the last halt
// becomes a fast instruction, the longest of the sequences below that
// starts there. A jump into a sequence finds the sequence that starts at
// its target, so each position is decoded on its own.
#include <algorithm>
#include <array>

#include "arith.h"
#include "fast_ops.h"
#include "machine.h"
#include "opcodes.h"

namespace kam {
namespace {

// What one instruction of a sequence must be.
enum Element : std::uint8_t {
  E_LDVAR, E_LDCON, E_MINUS_ONE, E_STVAR, E_OPERATOR, E_COMPARISON, E_BRANCH, E_LDXVAR,
  E_STXVAR, E_CRSEG, E_DLSEG, E_RETURN, E_JUMP, E_NOT, E_AND, E_JIFF, E_JIFT, E_ADD, E_SUB,
};

// How a sequence names its fast instruction: as it is, or as the form of
// the operator (comparison) it holds.
enum Naming : std::uint8_t { Fixed, OperatorNamed, ComparisonNamed };

struct Sequence {
  Naming naming;
  int op;  // a FastOp, an OperatorForm or a ComparisonForm
  std::array<Element, 8> elements;
  int length;
};

// Longest first: the first one that fits is taken.
constexpr Sequence sequences[] = {
    {Fixed, F_VV_ADD_ST_VC_JF,
     {E_LDVAR, E_LDVAR, E_ADD, E_STVAR, E_LDVAR, E_LDCON, E_COMPARISON, E_BRANCH}, 8},
    {Fixed, F_VV_SUB_ST_VC_JF,
     {E_LDVAR, E_LDVAR, E_SUB, E_STVAR, E_LDVAR, E_LDCON, E_COMPARISON, E_BRANCH}, 8},
    {Fixed, F_VC_ADD_ST_VC_JF,
     {E_LDVAR, E_LDCON, E_ADD, E_STVAR, E_LDVAR, E_LDCON, E_COMPARISON, E_BRANCH}, 8},
    {Fixed, F_VC_SUB_ST_VC_JF,
     {E_LDVAR, E_LDCON, E_SUB, E_STVAR, E_LDVAR, E_LDCON, E_COMPARISON, E_BRANCH}, 8},
    {Fixed, F_VV_ADD_X_LD_NOT_AND_JF,
     {E_LDVAR, E_LDVAR, E_ADD, E_MINUS_ONE, E_LDXVAR, E_NOT, E_AND, E_JIFF}, 8},
    {Fixed, F_VV_SUB_X_LD_NOT_AND_JF,
     {E_LDVAR, E_LDVAR, E_SUB, E_MINUS_ONE, E_LDXVAR, E_NOT, E_AND, E_JIFF}, 8},
    {Fixed, F_VV_ADD_X_LD_NOT_AND,
     {E_LDVAR, E_LDVAR, E_ADD, E_MINUS_ONE, E_LDXVAR, E_NOT, E_AND}, 7},
    {Fixed, F_VV_SUB_X_LD_NOT_AND,
     {E_LDVAR, E_LDVAR, E_SUB, E_MINUS_ONE, E_LDXVAR, E_NOT, E_AND}, 7},
    {Fixed, F_C_VV_ADD_X_ST, {E_LDCON, E_LDVAR, E_LDVAR, E_ADD, E_MINUS_ONE, E_STXVAR}, 6},
    {Fixed, F_C_VV_SUB_X_ST, {E_LDCON, E_LDVAR, E_LDVAR, E_SUB, E_MINUS_ONE, E_STXVAR}, 6},
    {ComparisonNamed, CmpVarVar, {E_LDVAR, E_LDVAR, E_COMPARISON, E_BRANCH}, 4},
    {ComparisonNamed, CmpVarConst, {E_LDVAR, E_LDCON, E_COMPARISON, E_BRANCH}, 4},
    {OperatorNamed, OpVarVarStore, {E_LDVAR, E_LDVAR, E_OPERATOR, E_STVAR}, 4},
    {OperatorNamed, OpVarConstStore, {E_LDVAR, E_LDCON, E_OPERATOR, E_STVAR}, 4},
    {Fixed, F_C_V_C_X_ST, {E_LDCON, E_LDVAR, E_MINUS_ONE, E_STXVAR}, 4},
    {Fixed, F_V_C_X_LD_NOT, {E_LDVAR, E_MINUS_ONE, E_LDXVAR, E_NOT}, 4},
    {Fixed, F_C_X_LD_NOT_AND, {E_MINUS_ONE, E_LDXVAR, E_NOT, E_AND}, 4},
    {Fixed, F_V_C_X_LD_JF, {E_LDVAR, E_MINUS_ONE, E_LDXVAR, E_JIFF}, 4},
    {Fixed, F_V_C_X_LD_JT, {E_LDVAR, E_MINUS_ONE, E_LDXVAR, E_JIFT}, 4},
    {Fixed, F_CRSEG_ST_ST, {E_CRSEG, E_STVAR, E_STVAR}, 3},
    {Fixed, F_V_DLSEG_RETURN, {E_LDVAR, E_DLSEG, E_RETURN}, 3},
    {Fixed, F_V_ST_JUMP, {E_LDVAR, E_STVAR, E_JUMP}, 3},
    {Fixed, F_V_C_X_LD, {E_LDVAR, E_MINUS_ONE, E_LDXVAR}, 3},
    {Fixed, F_V_C_X_ST, {E_LDVAR, E_MINUS_ONE, E_STXVAR}, 3},
    {OperatorNamed, OpVarVar, {E_LDVAR, E_LDVAR, E_OPERATOR}, 3},
    {OperatorNamed, OpVarConst, {E_LDVAR, E_LDCON, E_OPERATOR}, 3},
    {ComparisonNamed, CmpPlain, {E_COMPARISON, E_BRANCH}, 2},
    {OperatorNamed, OpStore, {E_OPERATOR, E_STVAR}, 2},
    {OperatorNamed, OpVar, {E_LDVAR, E_OPERATOR}, 2},
    {OperatorNamed, OpConst, {E_LDCON, E_OPERATOR}, 2},
    {Fixed, F_C_X_LD, {E_MINUS_ONE, E_LDXVAR}, 2},
    {Fixed, F_C_X_ST, {E_MINUS_ONE, E_STXVAR}, 2},
    {Fixed, F_V_V, {E_LDVAR, E_LDVAR}, 2},
    {Fixed, F_V_C, {E_LDVAR, E_LDCON}, 2},
    {Fixed, F_V_ST, {E_LDVAR, E_STVAR}, 2},
    {Fixed, F_C_ST, {E_LDCON, E_STVAR}, 2},
    {Fixed, F_ST_JUMP, {E_STVAR, E_JUMP}, 2},
    {Fixed, F_NOT_AND, {E_NOT, E_AND}, 2},
    {Fixed, F_CRSEG_ST, {E_CRSEG, E_STVAR}, 2},
    {Fixed, F_DLSEG_RETURN, {E_DLSEG, E_RETURN}, 2},
};

bool is_comparison(int op) { return op == EQ || op == NE || op == LT || op == LE || op == GT || op == GE; }

bool matches(Element element, const Instruction& in) {
  switch (element) {
    case E_LDVAR: return in.op == LDVAR;
    case E_LDCON: return in.op == LDCON;
    case E_MINUS_ONE: return in.op == LDCON && in.args[0] == -1;
    case E_STVAR: return in.op == STVAR;
    case E_OPERATOR: return is_plain_binary(in.op);
    case E_COMPARISON: return is_comparison(in.op);
    case E_BRANCH: return in.op == JIFF || in.op == JIFT;
    case E_LDXVAR: return in.op == LDXVAR;
    case E_STXVAR: return in.op == STXVAR;
    case E_CRSEG: return in.op == CRSEG;
    case E_DLSEG: return in.op == DLSEG;
    case E_RETURN: return in.op == RETURN_;
    case E_JUMP: return in.op == JUMP;
    case E_NOT: return in.op == NOT;
    case E_JIFF: return in.op == JIFF;
    case E_JIFT: return in.op == JIFT;
    case E_ADD: return in.op == ADD;
    case E_SUB: return in.op == SUB;
    default: return in.op == AND;  // E_AND
  }
}

// The comparison that is false exactly when op is true.
int opposite(int op) {
  switch (op) {
    case EQ: return NE;
    case NE: return EQ;
    case LT: return GE;
    case LE: return GT;
    case GT: return LE;
    default: return LT;  // GE
  }
}

// A comparison with constant c as the values v for which it holds: those
// with unsigned v - lo <= span, in the wrapping arithmetic of 32 bits.
// False when it holds for none.
bool comparison_range(int op, std::int32_t c, std::int32_t& lo, std::int32_t& span) {
  const auto wrapped = [](std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  };
  const std::int64_t least = INT32_MIN, most = INT32_MAX;
  switch (op) {
    case EQ: lo = c; span = 0; return true;
    case NE: lo = wrapped(c + 1LL); span = wrapped(UINT32_MAX - 1LL); return true;
    case LT: lo = INT32_MIN; span = wrapped(c - 1LL - least); return c != INT32_MIN;
    case LE: lo = INT32_MIN; span = wrapped(c - least); return true;
    case GT: lo = wrapped(c + 1LL); span = wrapped(most - c - 1); return c != INT32_MAX;
    default: lo = c; span = wrapped(most - c); return true;  // GE
  }
}

int operator_index(int op) {
  constexpr int order[] = {
#define KAM_FAST_OPCODE(op) op,
      KAM_FAST_OPERATORS(KAM_FAST_OPCODE)
#undef KAM_FAST_OPCODE
  };
  return static_cast<int>(std::find(std::begin(order), std::end(order), op) - std::begin(order));
}

FastOp operator_op(int op, int form) {
  return static_cast<FastOp>(F_ADD + operator_index(op) * operator_forms + form);
}

FastOp comparison_op(int op, int form) {
  return static_cast<FastOp>(F_EQ_JF + (operator_index(op) - operator_index(EQ)) *
                                           comparison_forms + form);
}

// The form of a fast comparison-and-jump, or comparison_forms for others.
int comparison_form(int op) {
  if (op < F_EQ_JF || op >= F_EQ_JF + 6 * comparison_forms) return comparison_forms;
  return (op - F_EQ_JF) % comparison_forms;
}

// The comparison of a fast comparison-and-jump.
int comparison_of(int op) {
  constexpr int order[] = {
#define KAM_FAST_OPCODE(op) op,
      KAM_FAST_COMPARISONS(KAM_FAST_OPCODE)
#undef KAM_FAST_OPCODE
  };
  return order[(op - F_EQ_JF) / comparison_forms];
}

// The fast instruction of a single instruction, or F_SLOW.
FastOp single_op(int op) {
  if (is_plain_binary(op)) return operator_op(op, OpPlain);
  switch (op) {
    case NOOP: return F_NOOP;
    case LDCON: return F_LDCON;
    case LDVAR: return F_LDVAR;
    case STVAR: return F_STVAR;
    case POP: return F_POP;
    case JUMP: return F_JUMP;
    case JIFF: return F_JIFF;
    case JIFT: return F_JIFT;
    case NOT: return F_NOT;
    case NEG: return F_NEG;
    case CALL: return F_CALL;
    case RETURN_: return F_RETURN;
    case CRSEG: return F_CRSEG;
    case DLSEG: return F_DLSEG;
    case LDXVAR: return F_LDX;
    case STXVAR: return F_STX;
    default: return F_SLOW;
  }
}

// Words an instruction pops and pushes when it succeeds in the fast loop
// (ldxvar and stxvar with the selector and one index).
struct StackEffect {
  int pops, pushes;
};

StackEffect stack_effect(int op) {
  if (is_plain_binary(op)) return {2, 1};
  switch (op) {
    case LDVAR: case LDCON: return {0, 1};
    case STVAR: case POP: case JIFF: case JIFT: return {1, 0};
    case NOT: case NEG: return {1, 1};
    case LDXVAR: return {2, 1};
    case STXVAR: return {3, 0};
    default: return {0, 0};
  }
}

bool valid_level(std::int32_t sn) { return sn >= 1 && sn <= max_level; }

// Largest descriptor displacement of the fast loop: its words lie within
// a window, and the arithmetic on them cannot overflow.
constexpr std::int32_t max_descriptor = 1 << 30;

}  // namespace

// The decoding of one program: what its two passes share. The first
// pass gives each position the longest sequence that fits there; the
// second fuses what lies at the targets of calls and jumps into them.
struct Machine::Decoder {
  const Program& program;
  std::vector<FastInstruction>& fast;
  int end;         // the positions before the last halt
  int trap_index;  // no sequence reaches over it

  const Instruction& code(int i) const { return program.code[static_cast<std::size_t>(i)]; }
  FastInstruction& at(int i) { return fast[static_cast<std::size_t>(i)]; }

  void sequences_pass();
  bool longest_sequence(int i, FastInstruction& out) const;
  bool build(int first, int count, const Element* elements, FastInstruction& out) const;
  bool take(const Instruction& in, bool minus_one, FastInstruction& out, int& used) const;
  std::int32_t target_of(std::int32_t label) const;

  void calls_pass();
  bool step_at_target(FastInstruction& out);
  bool return_at_target(FastInstruction& out, int i);
  bool frame_at_target(FastInstruction& out);
  void value_call(FastInstruction& out, int i);
  void kept_parameter(FastInstruction& out);
  int frame_stores(int t);

  static bool shaped(const FastInstruction& in);
  static bool fresh_stores(const FastInstruction& in);
  static bool same_variable(const FastInstruction& x, int a, const FastInstruction& y, int b);
};

// Builds fast_ for the current program. The instruction at trap_index (if
// any) becomes a trap, and no sequence reaches over it.
void Machine::decode(int trap_index) {
  fast_.assign(program_.code.size(), FastInstruction{});
  Decoder decoder{program_, fast_,
                  std::min(program_.halt_index, static_cast<int>(program_.code.size())),
                  trap_index};
  decoder.sequences_pass();
  if (trap_index >= 0 && trap_index < static_cast<int>(fast_.size())) {
    FastInstruction& trap = decoder.at(trap_index);
    trap.op = F_TRAP;
    trap.need = 0;
    trap.span = stack_size;
  }
  decoder.calls_pass();
  for (int i = 0; i < decoder.end; ++i) {
    FastInstruction& in = decoder.at(i);
    const bool fused = in.op == F_VC_ADD_CALL || in.op == F_VC_SUB_CALL ||
                       in.op == F_VC_ADD_KEPT_CALL || in.op == F_VC_SUB_KEPT_CALL;
    in.back = fused ? i + 4 : i + 1;
  }
}

// Each position gets the longest sequence that starts there, else the
// fast instruction of its own instruction, else it stays F_SLOW.
void Machine::Decoder::sequences_pass() {
  for (int i = 0; i < end; ++i) {
    FastInstruction& out = at(i);
    if (longest_sequence(i, out)) continue;
    FastInstruction single;
    const FastOp op = single_op(code(i).op);
    if (op != F_SLOW && build(i, 1, nullptr, single)) {
      single.op = op;
      if (shaped(single)) out = single;
    }
  }
}

// The first of the sequences that fits at i, into out.
bool Machine::Decoder::longest_sequence(int i, FastInstruction& out) const {
  for (const Sequence& sequence : sequences) {
    if (i + sequence.length > end) continue;
    int op = NOOP, branch = JIFF;
    bool fits = true;
    for (int k = 0; k < sequence.length && fits; ++k) {
      const Instruction& in = code(i + k);
      fits = matches(sequence.elements[k], in);
      if (sequence.elements[k] == E_OPERATOR || sequence.elements[k] == E_COMPARISON) op = in.op;
      if (sequence.elements[k] == E_BRANCH) branch = in.op;
    }
    FastInstruction candidate;
    if (!fits || !build(i, sequence.length, sequence.elements.data(), candidate)) continue;
    switch (sequence.naming) {
      case Fixed: candidate.op = static_cast<std::uint8_t>(sequence.op); break;
      case OperatorNamed: candidate.op = operator_op(op, sequence.op); break;
      default:
        candidate.op = comparison_op(branch == JIFT ? opposite(op) : op, sequence.op);
        break;
    }
    if (!shaped(candidate)) continue;
    // The test of a loop step: its constant (last) as a range, with the
    // span after it; none for a test that never holds.
    if (candidate.op >= F_VV_ADD_ST_VC_JF && candidate.op <= F_VC_SUB_ST_VC_JF) {
      std::int32_t* constant = &candidate.v[candidate.op <= F_VV_SUB_ST_VC_JF ? 8 : 7];
      if (!comparison_range(branch == JIFT ? opposite(op) : op, constant[0], constant[0],
                            constant[1]))
        continue;
    }
    if (candidate.op == F_CRSEG_ST || candidate.op == F_CRSEG_ST_ST)
      candidate.fresh_stores = fresh_stores(candidate);
    out = candidate;
    return true;
  }
  return false;
}

// The fast instruction of the count instructions from first (elements
// tells which of their ldcon are the -1 of an index), or false.
bool Machine::Decoder::build(int first, int count, const Element* elements,
                             FastInstruction& out) const {
  if (first + count > end) return false;
  if (trap_index > first && trap_index < first + count) return false;
  int used = 0, level = 0, need = 0, peak = 0;
  for (int k = 0; k < count; ++k) {
    const Instruction& in = code(first + k);
    if (!take(in, elements != nullptr && elements[k] == E_MINUS_ONE, out, used)) return false;
    const StackEffect effect = stack_effect(in.op);
    level -= effect.pops;
    need = std::max(need, -level);
    level += effect.pushes;
    peak = std::max(peak, level);
  }
  if (need > stack_size - peak || used > FastInstruction::operands) return false;
  out.need = static_cast<std::uint8_t>(need);
  out.span = static_cast<std::uint8_t>(stack_size - peak - need);
  return true;
}

// Sets out's operands from in, from operand used on; false when the fast
// loop cannot run in.
bool Machine::Decoder::take(const Instruction& in, bool minus_one, FastInstruction& out,
                            int& used) const {
  const auto add = [&](std::int32_t value) {
    if (used < FastInstruction::operands) out.v[used] = value;
    ++used;
  };
  switch (in.op) {
    case LDVAR: case STVAR:
      add(in.args[0]);
      add(in.args[1]);
      return valid_level(in.args[0]);
    case LDXVAR: case STXVAR:
      add(in.args[0]);
      add(in.args[1]);
      return valid_level(in.args[0]) && in.args[1] >= 0 && in.args[1] < max_descriptor;
    case LDCON:
      if (!minus_one) add(in.args[0]);
      return true;
    case JUMP: case JIFF: case JIFT: case CALL:
      out.target = target_of(in.args[0]);
      return out.target != no_instruction;
    case CRSEG: {
      const std::int32_t index = in.args[1];
      if (!valid_level(in.args[0]) || index < 1 || index > program.length_count ||
          index >= length_limit)
        return false;
      add(in.args[0]);
      add(program.lengths[static_cast<std::size_t>(index)]);
      return program.lengths[static_cast<std::size_t>(index)] >= 0;
    }
    default:
      return true;
  }
}

// A jump target is taken over only when the jump cannot fail there.
std::int32_t Machine::Decoder::target_of(std::int32_t label) const {
  const int target = program.label_target(label);
  return target >= 0 && target <= program.halt_index ? target : no_instruction;
}

// A call whose procedure begins with crseg and stvar of parameters does
// them too (the operands are taken from the procedure's first fast
// instruction), and so does a call after a load and an addition or
// subtraction; a jump to a return does the return, and a comparison that
// jumps to the step of a for loop does the step.
void Machine::Decoder::calls_pass() {
  for (int i = 0; i < end; ++i) {
    FastInstruction& out = at(i);
    if (step_at_target(out)) continue;
    // The step and test of a while loop on one variable check it once.
    if (out.op == F_VV_ADD_ST_VC_JF || out.op == F_VV_SUB_ST_VC_JF) {
      out.count = same_variable(out, 0, out, 4) && same_variable(out, 0, out, 6);
      continue;
    }
    if (out.op == F_VC_ADD_ST_VC_JF || out.op == F_VC_SUB_ST_VC_JF) {
      out.count = same_variable(out, 0, out, 3) && same_variable(out, 0, out, 5);
      continue;
    }
    if (return_at_target(out, i) || frame_at_target(out)) continue;
    value_call(out, i);
  }
}

// A comparison whose jump goes to the step of a for loop does the step:
// after the jump the stack is as deep as here, so its stack check holds.
bool Machine::Decoder::step_at_target(FastInstruction& out) {
  if (comparison_form(out.op) != CmpVarVar && comparison_form(out.op) != CmpVarConst)
    return false;
  const FastInstruction& at_target = at(out.target);
  // (a step that goes on to a test does the step alone there)
  if ((at_target.op != F_VC_ADD_ST && at_target.op != F_VC_ADD_ST_VC_JF) ||
      at_target.need != 0 || at_target.span < out.span)
    return true;
  out.op = static_cast<std::uint8_t>(out.op + (CmpVarVarStep - CmpVarVar));
  // A step of the variable tested (ldvar x; ldcon; add; stvar x) takes its
  // value and address from the test (count 1, the step as operand 5).
  if (same_variable(at_target, 0, out, 0) && same_variable(at_target, 3, out, 0)) {
    out.count = 1;
    out.v[5] = at_target.v[2];
  }
  return true;
}

// The value of a function stored just before its end, where the return
// loads it: the return takes the value stored, and its own checks follow
// the store (its stack check holds after it). A jump to a return does it.
bool Machine::Decoder::return_at_target(FastInstruction& out, int i) {
  const auto returns_stored = [&](int position, int stored) {
    const FastInstruction& end_of = at(position);
    return end_of.op == F_V_DLSEG_RETURN && same_variable(end_of, 0, out, stored);
  };
  if (out.op == F_V_ST_JUMP && returns_stored(out.target, 2)) {
    out.op = F_V_ST_RETURN;
    return true;
  }
  if (out.op == F_ADD_ST && i + 2 < end && returns_stored(i + 2, 0)) {
    out.op = F_ADD_ST_RETURN;
    return true;
  }
  if (out.op != F_JUMP) return false;
  const FastInstruction& at_target = at(out.target);
  if (at_target.op == F_RETURN || at_target.op == F_DLSEG_RETURN ||
      at_target.op == F_V_DLSEG_RETURN)
    out = at_target;
  return true;
}

// A call to a procedure that begins with a crseg does the crseg and the
// stores of the parameters after it.
bool Machine::Decoder::frame_at_target(FastInstruction& out) {
  if (out.op != F_CALL) return false;
  const int stores = frame_stores(out.target);
  if (stores < 0) return true;
  out.op = F_CALL_FRAME;
  out.count = static_cast<std::uint8_t>(stores);
  out.need = static_cast<std::uint8_t>(stores);
  out.span = static_cast<std::uint8_t>(stack_size - stores);
  return true;
}

// ldvar; ldcon; add or sub; call: the value is the first parameter.
void Machine::Decoder::value_call(FastInstruction& out, int i) {
  if ((out.op != F_VC_ADD && out.op != F_VC_SUB) || i + 3 >= end || i + 3 == trap_index ||
      i + 1 == trap_index || i + 2 == trap_index)
    return;
  const FastInstruction& call = at(i + 3);
  if (call.op != F_CALL && call.op != F_CALL_FRAME) return;
  const int stores = frame_stores(call.target);
  if (stores < 0) return;
  // Two words pushed, one left, then the parameters popped.
  const int need = std::max(0, stores - 1);
  out.op = out.op == F_VC_ADD ? F_VC_ADD_CALL : F_VC_SUB_CALL;
  out.target = call.target;
  out.count = static_cast<std::uint8_t>(stores);
  out.need = static_cast<std::uint8_t>(need);
  out.span = static_cast<std::uint8_t>(stack_size - 2 - need);
  if (stores == 1) kept_parameter(out);
}

// One parameter stored into a small segment: the call keeps it at once
// when it can (its operands follow the variable and the constant). A test
// of the parameter after the store (ldvar; ldcon; a comparison; a branch)
// takes the value stored; its stack check is the call's.
void Machine::Decoder::kept_parameter(FastInstruction& out) {
  const FastInstruction& entry = at(out.target);
  if (!entry.fresh_stores || entry.v[1] < 1 ||
      static_cast<std::size_t>(entry.v[1]) > WordSpace::small_data)
    return;
  out.op = out.op == F_VC_ADD_CALL ? F_VC_ADD_KEPT_CALL : F_VC_SUB_KEPT_CALL;
  out.v[3] = entry.v[0];
  out.v[4] = entry.v[1];
  out.v[5] = entry.v[3];
  const FastInstruction& test = at(out.target + 2);
  if (comparison_form(test.op) != CmpVarConst || !same_variable(test, 0, entry, 2)) return;
  if (!comparison_range(comparison_of(test.op), test.v[2], out.v[6], out.v[8])) return;
  out.tests = true;
  out.v[7] = test.target;
}

// The stvar instructions after the crseg at t that a call does, or -1 when
// the call cannot do the crseg.
int Machine::Decoder::frame_stores(int t) {
  if (t >= end || t == trap_index) return -1;
  const FastOp entry = static_cast<FastOp>(at(t).op);
  if (entry == F_CRSEG) return 0;
  if (entry == F_CRSEG_ST) return t + 1 == trap_index ? 0 : 1;
  if (entry == F_CRSEG_ST_ST) return t + 1 == trap_index ? 0 : t + 2 == trap_index ? 1 : 2;
  return -1;
}

// The loop checks the stack with the constants of each instruction's
// shape, which must be what its instructions need.
bool Machine::Decoder::shaped(const FastInstruction& in) {
  const StackShape shape = stack_shape(in.op);
  return shape.varies ||
         (in.need == shape.need && in.span == stack_size - shape.peak - shape.need);
}

// Whether the stores of a crseg and its stvar instructions (operands sn,
// length, then sn and dpl of each store) all go into the new segment.
bool Machine::Decoder::fresh_stores(const FastInstruction& in) {
  const int stores = in.op == F_CRSEG_ST ? 1 : 2;
  for (int k = 1; k <= stores; ++k) {
    const std::int32_t sn = in.v[2 * k], dpl = in.v[2 * k + 1];
    if (sn != in.v[0] || dpl < 0 || dpl >= in.v[1]) return false;
  }
  return true;
}

// Whether operands a and a + 1 of x name the variable that operands b and
// b + 1 of y name.
bool Machine::Decoder::same_variable(const FastInstruction& x, int a, const FastInstruction& y,
                                     int b) {
  return x.v[a] == y.v[b] && x.v[a + 1] == y.v[b + 1];
}

}  // namespace kam
