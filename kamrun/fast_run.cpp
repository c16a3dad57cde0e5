// Untraced execution over the pre-decoded program. Each fast case does the
// work only when it cannot fail; everything else (every error, every traced
// or rare instruction) is handed to step(), which executes that one
// instruction with its full checks and messages. A fused case that finds a
// problem after its first instructions have done their work moves IC past
// them and hands the rest to step() the same way.
#include <iterator>

#include "arith.h"
#include "fast_frames.h"
#include "fast_ops.h"
#include "machine.h"
#include "opcodes.h"

namespace kam {
namespace {

// An element of an array: its address (within a window) and the number of
// its indexes.
struct Element {
  std::uint32_t address;
  int dimensions;
};

// The element that the descriptor at displacement dpl of the window at
// origin with window words selects, as ixdpl and the segment check find
// it, with the index of the last dimension at last[0], the one before at
// last[-1], and so on; available words may be taken as indexes. False
// whenever a check would fail, or the arithmetic might leave the range in
// which it is plainly exact.
[[gnu::noinline]] bool any_element_address(std::uint32_t origin, std::uint32_t window,
                                           const std::int32_t* mem, std::int32_t dpl,
                                           const std::int32_t* last, int available,
                                           Element& found) {
  const auto at = static_cast<std::uint32_t>(dpl);  // below 2^30
  if (at + 2 >= window) return false;
  const std::int32_t* descriptor = mem + origin + at;
  const std::int32_t n = descriptor[0];
  if (n < 1 || n > available || at + 2 * static_cast<std::uint32_t>(n) + 1 >= window)
    return false;
  std::int64_t stride = 1;
  std::int64_t total = 0;
  for (std::int32_t j = n; j >= 1; --j) {
    const std::int64_t difference = std::int64_t{last[j - n]} - descriptor[2 * j + 1];
    const std::int64_t size = descriptor[2 * j];
    if (stride < 1 || difference < 0 || difference > INT32_MAX) return false;
    const std::int64_t offset = difference * stride;
    if (offset > size - stride) return false;
    total += offset;
    stride = size;
  }
  const std::int64_t element = total + descriptor[1];
  if (element < 0 || element >= window) return false;
  found = {origin + static_cast<std::uint32_t>(element), n};
  return true;
}

// The same, at once for the one-dimensional arrays of most programs.
inline bool element_address(std::uint32_t origin, std::uint32_t window, const std::int32_t* mem,
                            std::int32_t dpl, const std::int32_t* last, int available,
                            Element& found) {
  const auto at = static_cast<std::uint32_t>(dpl);  // below 2^30
  const std::uint32_t descriptor = origin + at;     // its words, when within the window
  if (at + 3 >= window || mem[descriptor] != 1) [[unlikely]]
    return any_element_address(origin, window, mem, dpl, last, available, found);
  // Index i of bounds lo..hi: 0 <= i - lo <= size - 1, as ixdpl checks it.
  const std::int32_t* words = mem + descriptor;  // 1, offset, size, lo
  const std::int64_t difference = std::int64_t{last[0]} - words[3];
  if (difference < 0 || difference >= words[2]) return false;
  const std::int64_t element = difference + words[1];
  if (static_cast<std::uint64_t>(element) >= window) return false;
  found = {origin + static_cast<std::uint32_t>(element), 1};
  return true;
}

// Whether value lies in the range of a comparison (comparison_range in
// fast_decode.cpp): whether the comparison holds for it.
inline bool within(std::int32_t value, std::int32_t lo, std::int32_t span) {
  return static_cast<std::uint32_t>(value) - static_cast<std::uint32_t>(lo) <=
         static_cast<std::uint32_t>(span);
}

}  // namespace

Machine::FastEnd Machine::run_fast(long long& budget) {
  refresh_windows();
  // The stacks and the windows are reached through the machine, which
  // leaves the processor's registers to the loop's own variables.
  auto& st = stack_;
  std::ptrdiff_t sp = sp_;
  auto& returns = return_stack_;
  std::ptrdiff_t rsp = rsp_;
  std::int32_t* mem = mem_.words();
  const auto& base = window_base_;
  const auto& limit = window_limit_;
  const auto& store_limit = window_store_limit_;
  const FastInstruction* code = fast_.data();
  // The instruction to execute: IC is its index in code.
  const FastInstruction* pc = code + ic_;
  const auto halt = static_cast<std::uint32_t>(program_.halt_index);
  const auto index = [&](const FastInstruction* at) { return static_cast<int>(at - code); };
  // Taken from the budget at every jump and call (and at every slow step),
  // so that a loop cannot run for ever; kept in a register while it runs.
  long long remaining = budget;

  // The address of variable (sn, dpl) for a load, and for a store, which
  // must not change a segment header: only windows without one take
  // stores here.
  const auto load = [&](std::int32_t sn, std::int32_t dpl, std::uint32_t& address) {
    if (static_cast<std::uint32_t>(dpl) >= limit[sn]) return false;
    address = base[sn] + static_cast<std::uint32_t>(dpl);
    return true;
  };
  const auto store = [&](std::int32_t sn, std::int32_t dpl, std::uint32_t& address) {
    if (static_cast<std::uint32_t>(dpl) >= store_limit[sn]) return false;
    address = base[sn] + static_cast<std::uint32_t>(dpl);
    return true;
  };
  // Whether a store may go to the word at address, found within the window
  // of level sn.
  const auto storable = [&](std::int32_t sn, std::uint32_t address) {
    return address - base[sn] < store_limit[sn];
  };
  const auto element = [&](std::int32_t sn, std::int32_t dpl, const std::int32_t* last,
                           int available, int& dimensions, std::uint32_t& address) {
    Element found;
    if (!element_address(base[sn], limit[sn], mem, dpl, last, available, found)) return false;
    dimensions = found.dimensions;
    address = found.address;
    return true;
  };

// Dispatch: the handler of the next fast instruction, which checks the
// stack depth itself.
#define KAM_NEXT                                                                    \
  do {                                                                              \
    goto* pc->handler;                                                              \
  } while (false)
// The stack check of fast instruction op, with the constants of its shape
// (none for an instruction without stack words), else with its own.
#define KAM_STACK(op)                                                               \
  do {                                                                              \
    constexpr StackShape shape = stack_shape(op);                                   \
    if constexpr (shape.varies) {                                                   \
      if (static_cast<unsigned>(sp - pc->need) > pc->span) goto slow;               \
    } else if constexpr (shape.need + shape.peak != 0) {                            \
      if (static_cast<unsigned>(sp - shape.need) > stack_size - shape.peak - shape.need) \
        goto slow;                                                                  \
    }                                                                               \
  } while (false)

// Operator op in each of its forms (fast_ops.h).
#define KAM_OPERATOR_CASES(op)                                                      \
  L_F_##op:                                                                         \
    KAM_STACK(F_##op);                                                              \
    st[sp - 2] = plain_binary(op, st[sp - 2], st[sp - 1]);                          \
    --sp;                                                                           \
    ++pc;                                                                           \
    KAM_NEXT;                                                                       \
  L_F_V_##op: {                                                                     \
    KAM_STACK(F_V_##op);                                                            \
    std::uint32_t a;                                                                \
    if (!load(pc->v[0], pc->v[1], a)) goto slow;                                    \
    st[sp - 1] = plain_binary(op, st[sp - 1], mem[a]);                              \
    pc += 2;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_C_##op:                                                                       \
    KAM_STACK(F_C_##op);                                                            \
    st[sp - 1] = plain_binary(op, st[sp - 1], pc->v[0]);                            \
    pc += 2;                                                                        \
    KAM_NEXT;                                                                       \
  L_F_VV_##op: {                                                                    \
    KAM_STACK(F_VV_##op);                                                           \
    std::uint32_t a, b;                                                             \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b)) goto slow;    \
    st[sp++] = plain_binary(op, mem[a], mem[b]);                                    \
    pc += 3;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VC_##op: {                                                                    \
    KAM_STACK(F_VC_##op);                                                           \
    std::uint32_t a;                                                                \
    if (!load(pc->v[0], pc->v[1], a)) goto slow;                                    \
    st[sp++] = plain_binary(op, mem[a], pc->v[2]);                                  \
    pc += 3;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_##op##_ST: {                                                                  \
    KAM_STACK(F_##op##_ST);                                                         \
    std::uint32_t r;                                                                \
    if (!store(pc->v[0], pc->v[1], r)) goto slow;                                   \
    mem[r] = plain_binary(op, st[sp - 2], st[sp - 1]);                              \
    sp -= 2;                                                                        \
    pc += 2;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VV_##op##_ST: {                                                               \
    KAM_STACK(F_VV_##op##_ST);                                                      \
    std::uint32_t a, b, r;                                                          \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b) ||             \
        !store(pc->v[4], pc->v[5], r)) goto slow;                                   \
    mem[r] = plain_binary(op, mem[a], mem[b]);                                      \
    pc += 4;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VC_##op##_ST: {                                                               \
    KAM_STACK(F_VC_##op##_ST);                                                      \
    std::uint32_t a, r;                                                             \
    if (!load(pc->v[0], pc->v[1], a) || !store(pc->v[3], pc->v[4], r)) goto slow;   \
    mem[r] = plain_binary(op, mem[a], pc->v[2]);                                    \
    pc += 4;                                                                        \
    KAM_NEXT;                                                                       \
  }
// The step after a comparison's jump, when it steps the variable tested
// (count 1), whose address a the test has found: it stores value plus
// the step unless the window of the variable may hold a segment header.
#define KAM_STEP_OF_THE_TESTED(value)                                               \
  do {                                                                              \
    if (pc->count != 0 && storable(pc->v[0], a)) {                                  \
      mem[a] = plain_binary(ADD, value, pc->v[5]);                                  \
      pc = code + pc->target + 4;                                                   \
      KAM_NEXT;                                                                     \
    }                                                                               \
  } while (false)
// Comparison op followed by a jump taken when it is false.
#define KAM_COMPARISON_CASES(op)                                                    \
  L_F_##op##_JF:                                                                    \
    KAM_STACK(F_##op##_JF);                                                         \
    if (--remaining < 0) goto slow;                                                 \
    sp -= 2;                                                                        \
    pc = plain_binary(op, st[sp], st[sp + 1]) != 0 ? pc + 2 : code + pc->target;    \
    KAM_NEXT;                                                                       \
  L_F_VV_##op##_JF: {                                                               \
    KAM_STACK(F_VV_##op##_JF);                                                      \
    std::uint32_t a, b;                                                             \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b) ||             \
        --remaining < 0) goto slow;                                                 \
    pc = plain_binary(op, mem[a], mem[b]) != 0 ? pc + 4 : code + pc->target;        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VC_##op##_JF: {                                                               \
    KAM_STACK(F_VC_##op##_JF);                                                      \
    std::uint32_t a;                                                                \
    if (!load(pc->v[0], pc->v[1], a) || --remaining < 0) goto slow;                 \
    pc = plain_binary(op, mem[a], pc->v[2]) != 0 ? pc + 4 : code + pc->target;      \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VV_##op##_JF_STEP: {                                                          \
    KAM_STACK(F_VV_##op##_JF_STEP);                                                 \
    std::uint32_t a, b;                                                             \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b) ||             \
        --remaining < 0) goto slow;                                                 \
    const std::int32_t value = mem[a];                                              \
    if (plain_binary(op, value, mem[b]) != 0) {                                     \
      pc += 4;                                                                      \
      KAM_NEXT;                                                                     \
    }                                                                               \
    KAM_STEP_OF_THE_TESTED(value);                                                  \
    pc = code + pc->target;                                                         \
    goto step;                                                                      \
  }                                                                                 \
  L_F_VC_##op##_JF_STEP: {                                                          \
    KAM_STACK(F_VC_##op##_JF_STEP);                                                 \
    std::uint32_t a;                                                                \
    if (!load(pc->v[0], pc->v[1], a) || --remaining < 0) goto slow;                 \
    const std::int32_t value = mem[a];                                              \
    if (plain_binary(op, value, pc->v[2]) != 0) {                                   \
      pc += 4;                                                                      \
      KAM_NEXT;                                                                     \
    }                                                                               \
    KAM_STEP_OF_THE_TESTED(value);                                                  \
    pc = code + pc->target;                                                         \
    goto step;                                                                      \
  }

// The sequences with add or sub (op) that index an array or step a while
// loop; every check comes before the first change.
#define KAM_INDEX_AND_STEP_CASES(op)                                                \
  L_F_VV_##op##_X_LD_NOT_AND: {                                                     \
    KAM_STACK(F_VV_##op##_X_LD_NOT_AND);                                            \
    int n;                                                                          \
    std::uint32_t a, b, e;                                                          \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b)) goto slow;    \
    const std::int32_t i = plain_binary(op, mem[a], mem[b]);                        \
    if (!element(pc->v[4], pc->v[5], &i, 1, n, e)) goto slow;                       \
    st[sp - 1] = plain_binary(AND, st[sp - 1], mem[e] == 0);                        \
    pc += 7;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VV_##op##_X_LD_NOT_AND_JF: {                                                  \
    KAM_STACK(F_VV_##op##_X_LD_NOT_AND_JF);                                         \
    int n;                                                                          \
    std::uint32_t a, b, e;                                                          \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b)) goto slow;    \
    const std::int32_t i = plain_binary(op, mem[a], mem[b]);                        \
    if (!element(pc->v[4], pc->v[5], &i, 1, n, e) || --remaining < 0) goto slow;    \
    --sp;                                                                           \
    pc = plain_binary(AND, st[sp], mem[e] == 0) != 0 ? pc + 8 : code + pc->target;  \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_C_VV_##op##_X_ST: {                                                           \
    KAM_STACK(F_C_VV_##op##_X_ST);                                                  \
    int n;                                                                          \
    std::uint32_t a, b, r;                                                          \
    if (!load(pc->v[1], pc->v[2], a) || !load(pc->v[3], pc->v[4], b)) goto slow;    \
    const std::int32_t i = plain_binary(op, mem[a], mem[b]);                        \
    if (!element(pc->v[5], pc->v[6], &i, 1, n, r) || !storable(pc->v[5], r))        \
      goto slow;                                                                    \
    mem[r] = pc->v[0];                                                              \
    pc += 6;                                                                        \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VV_##op##_ST_VC_JF: {                                                         \
    KAM_STACK(F_VV_##op##_ST_VC_JF);                                                \
    std::uint32_t a, b, r, t;                                                       \
    if (pc->count != 0) { /* one variable stepped and tested */                     \
      if (!store(pc->v[0], pc->v[1], r) || !load(pc->v[2], pc->v[3], b) ||          \
          --remaining < 0) goto slow;                                               \
      const std::int32_t value = plain_binary(op, mem[r], mem[b]);                  \
      mem[r] = value;                                                               \
      pc = within(value, pc->v[8], pc->v[9]) ? pc + 8 : code + pc->target;          \
      KAM_NEXT;                                                                     \
    }                                                                               \
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b) ||             \
        !store(pc->v[4], pc->v[5], r) ||                                            \
        !load(pc->v[6], pc->v[7], t) || --remaining < 0)                            \
      goto slow;                                                                    \
    mem[r] = plain_binary(op, mem[a], mem[b]);                                      \
    pc = within(mem[t], pc->v[8], pc->v[9]) ? pc + 8 : code + pc->target;           \
    KAM_NEXT;                                                                       \
  }                                                                                 \
  L_F_VC_##op##_ST_VC_JF: {                                                         \
    KAM_STACK(F_VC_##op##_ST_VC_JF);                                                \
    std::uint32_t a, r, t;                                                          \
    if (pc->count != 0) { /* one variable stepped and tested */                     \
      if (!store(pc->v[0], pc->v[1], r) || --remaining < 0) goto slow;              \
      const std::int32_t value = plain_binary(op, mem[r], pc->v[2]);                \
      mem[r] = value;                                                               \
      pc = within(value, pc->v[7], pc->v[8]) ? pc + 8 : code + pc->target;          \
      KAM_NEXT;                                                                     \
    }                                                                               \
    if (!load(pc->v[0], pc->v[1], a) || !store(pc->v[3], pc->v[4], r) ||            \
        !load(pc->v[5], pc->v[6], t) ||                                             \
        --remaining < 0)                                                            \
      goto slow;                                                                    \
    mem[r] = plain_binary(op, mem[a], pc->v[2]);                                    \
    pc = within(mem[t], pc->v[7], pc->v[8]) ? pc + 8 : code + pc->target;           \
    KAM_NEXT;                                                                       \
  }

// ldvar; ldcon; op (add or sub); a call whose procedure starts with
// crseg and the stores of its parameters (frame).
#define KAM_CALL_CASE(op)                                                           \
  L_F_VC_##op##_CALL: {                                                             \
    KAM_STACK(F_VC_##op##_CALL);                                                    \
    std::uint32_t a;                                                                \
    if (!load(pc->v[0], pc->v[1], a) || rsp >= stack_size || --remaining < 0)       \
      goto slow;                                                                    \
    st[sp++] = plain_binary(op, mem[a], pc->v[2]);                                  \
    returns[rsp++] = pc->back;                                                      \
    frame_stores = pc->count;                                                       \
    pc = code + pc->target;                                                         \
    goto frame;                                                                     \
  }

// ldvar; ldcon; op (add or sub); a call that keeps its segment and
// stores its one parameter there; as F_VC_op_CALL when it cannot.
#define KAM_KEPT_CALL_CASE(op)                                                      \
  L_F_VC_##op##_KEPT_CALL: {                                                        \
    KAM_STACK(F_VC_##op##_KEPT_CALL);                                               \
    std::uint32_t a;                                                                \
    if (!load(pc->v[0], pc->v[1], a) || rsp >= stack_size ||                        \
        --remaining < 0) goto slow;                                                 \
    std::uint32_t at;                                                               \
    if (!kept_call(pc->v + 3, at)) [[unlikely]] {                                   \
      st[sp++] = plain_binary(op, mem[a], pc->v[2]);                                \
      returns[rsp++] = pc->back;                                                    \
      frame_stores = 1;                                                             \
      pc = code + pc->target;                                                       \
      goto frame;                                                                   \
    }                                                                               \
    const std::int32_t value = plain_binary(op, mem[a], pc->v[2]);                  \
    mem[at + static_cast<std::uint32_t>(pc->v[5])] = value;                         \
    returns[rsp++] = pc->back;                                                      \
    const FastInstruction* const next = code + pc->target + 2;                      \
    if (!pc->tests) {                                                               \
      pc = next;                                                                    \
      KAM_NEXT;                                                                     \
    }                                                                               \
    /* the test of the parameter at next */                                         \
    if (--remaining < 0) {                                                          \
      pc = next;                                                                    \
      goto slow;                                                                    \
    }                                                                               \
    pc = within(value, pc->v[6], pc->v[8]) ? next + 4 : code + pc->v[7];            \
    KAM_NEXT;                                                                       \
  }

  // The handler of each fast instruction, in the order of FastOp.
#define KAM_HANDLER_ADDRESS(name) &&L_##name,
  static const void* const handlers[] = {KAM_FAST_OPS(KAM_HANDLER_ADDRESS)};
#undef KAM_HANDLER_ADDRESS
  static_assert(std::size(handlers) == F_COUNT);
  for (FastInstruction& in : fast_) in.handler = handlers[in.op];
  int frame_stores = 0;  // of the call that goes on to frame
  std::int32_t returned = 0;  // the value return_value pushes
  KAM_NEXT;

KAM_FAST_OPERATORS(KAM_OPERATOR_CASES)
KAM_FAST_COMPARISONS(KAM_COMPARISON_CASES)
KAM_INDEX_AND_STEP_CASES(ADD)
KAM_INDEX_AND_STEP_CASES(SUB)
KAM_CALL_CASE(ADD)
KAM_CALL_CASE(SUB)
KAM_KEPT_CALL_CASE(ADD)
KAM_KEPT_CALL_CASE(SUB)
  L_F_NOOP:
    KAM_STACK(F_NOOP);
    ++pc;
    KAM_NEXT;
  L_F_LDCON:
    KAM_STACK(F_LDCON);
    st[sp++] = pc->v[0];
    ++pc;
    KAM_NEXT;
  L_F_LDVAR: {
    KAM_STACK(F_LDVAR);
    std::uint32_t a;
    if (!load(pc->v[0], pc->v[1], a)) goto slow;
    st[sp++] = mem[a];
    ++pc;
    KAM_NEXT;
  }
  L_F_STVAR: {
    KAM_STACK(F_STVAR);
    std::uint32_t r;
    if (!store(pc->v[0], pc->v[1], r)) goto slow;
    mem[r] = st[--sp];
    ++pc;
    KAM_NEXT;
  }
  L_F_POP:
    KAM_STACK(F_POP);
    --sp;
    ++pc;
    KAM_NEXT;
  L_F_JUMP:
    KAM_STACK(F_JUMP);
    if (--remaining < 0) goto slow;
    pc = code + pc->target;
    KAM_NEXT;
  L_F_JIFF:
    KAM_STACK(F_JIFF);
    if (--remaining < 0) goto slow;
    pc = st[--sp] == 0 ? code + pc->target : pc + 1;
    KAM_NEXT;
  L_F_JIFT:
    KAM_STACK(F_JIFT);
    if (--remaining < 0) goto slow;
    pc = st[--sp] != 0 ? code + pc->target : pc + 1;
    KAM_NEXT;
  L_F_NOT:
    KAM_STACK(F_NOT);
    st[sp - 1] = st[sp - 1] == 0;
    ++pc;
    KAM_NEXT;
  L_F_NEG:
    KAM_STACK(F_NEG);
    st[sp - 1] = wrap(-std::int64_t{st[sp - 1]});
    ++pc;
    KAM_NEXT;
  L_F_NOT_AND:
    KAM_STACK(F_NOT_AND);
    st[sp - 2] = plain_binary(AND, st[sp - 2], st[sp - 1] == 0);
    --sp;
    pc += 2;
    KAM_NEXT;
  L_F_CALL:
    KAM_STACK(F_CALL);
    if (rsp >= stack_size || --remaining < 0) goto slow;
    returns[rsp++] = pc->back;
    pc = code + pc->target;
    KAM_NEXT;
  L_F_CALL_FRAME:
    KAM_STACK(F_CALL_FRAME);
    if (rsp >= stack_size || --remaining < 0) goto slow;
    returns[rsp++] = pc->back;
    frame_stores = pc->count;
    pc = code + pc->target;
    goto frame;
  // The step of a for loop at pc (ldvar; ldcon; add; stvar), which a
  // comparison jumped to; its stack check holds.
  step: {
    const std::int32_t* w = pc->v;
    std::uint32_t a, r;
    if (!load(w[0], w[1], a) || !store(w[3], w[4], r)) goto slow;
    mem[r] = plain_binary(ADD, mem[a], w[2]);
    pc += 4;
    KAM_NEXT;
  }
  // The crseg at pc (a call's target) and the stvar of frame_stores (at
  // most two) parameters after it, with the operands of the fast
  // instruction there.
  frame: {
    const std::int32_t* entry = pc->v;
    const bool fresh = pc->fresh_stores;
    const std::uint32_t at = fast_crseg(entry[0], entry[1]);
    if (at == 0) goto slow;
    ++pc;
    if (frame_stores == 1 && fresh) [[likely]] {  // into the new segment
      mem[at + static_cast<std::uint32_t>(entry[3])] = st[--sp];
      ++pc;
      KAM_NEXT;
    }
    if (frame_stores == 0) KAM_NEXT;
    if (fresh) {
      mem[at + static_cast<std::uint32_t>(entry[3])] = st[--sp];
      mem[at + static_cast<std::uint32_t>(entry[5])] = st[--sp];
      pc += 2;
      KAM_NEXT;
    }
    std::uint32_t r;
    if (!store(entry[2], entry[3], r)) goto slow;
    mem[r] = st[--sp];
    ++pc;
    if (frame_stores == 1) KAM_NEXT;
    if (!store(entry[4], entry[5], r)) goto slow;
    mem[r] = st[--sp];
    ++pc;
    KAM_NEXT;
  }
  L_F_RETURN: {
    KAM_STACK(F_RETURN);
    if (rsp == 0) goto slow;
    const std::int32_t back = returns[rsp - 1];
    if (static_cast<std::uint32_t>(back) > halt) goto slow;
    --rsp;
    pc = code + back;
    KAM_NEXT;
  }
  L_F_CRSEG:
    KAM_STACK(F_CRSEG);
    if (fast_crseg(pc->v[0], pc->v[1]) == 0) goto slow;
    ++pc;
    KAM_NEXT;
  L_F_CRSEG_ST:
  L_F_CRSEG_ST_ST:
    KAM_STACK(F_CALL_FRAME);  // as its own, for both
    frame_stores = pc->op == F_CRSEG_ST ? 1 : 2;
    goto frame;
  L_F_DLSEG:
    KAM_STACK(F_DLSEG);
    if (!fast_dlseg()) goto slow;
    ++pc;
    KAM_NEXT;
  L_F_DLSEG_RETURN: {
    KAM_STACK(F_DLSEG_RETURN);
    if (rsp == 0) goto slow;
    const std::int32_t back = returns[rsp - 1];
    if (static_cast<std::uint32_t>(back) > halt || !fast_dlseg()) goto slow;
    --rsp;
    pc = code + back;
    KAM_NEXT;
  }
  L_F_V_ST_JUMP: {
    KAM_STACK(F_V_ST_JUMP);
    std::uint32_t a, r;
    if (!load(pc->v[0], pc->v[1], a) || !store(pc->v[2], pc->v[3], r) ||
        --remaining < 0) goto slow;
    mem[r] = mem[a];
    pc = code + pc->target;
    KAM_NEXT;
  }
  L_F_V_ST_RETURN: {
    KAM_STACK(F_V_ST_RETURN);
    std::uint32_t a, r;
    if (!load(pc->v[0], pc->v[1], a) || !store(pc->v[2], pc->v[3], r) ||
        --remaining < 0) goto slow;
    returned = mem[a];
    mem[r] = returned;
    pc = code + pc->target;
    goto return_value;
  }
  L_F_ADD_ST_RETURN: {
    KAM_STACK(F_ADD_ST_RETURN);
    std::uint32_t r;
    if (!store(pc->v[0], pc->v[1], r)) goto slow;
    returned = plain_binary(ADD, st[sp - 2], st[sp - 1]);
    mem[r] = returned;
    sp -= 2;
    pc += 2;
    goto return_value;
  }
  L_F_V_C_X_LD_NOT: {
    KAM_STACK(F_V_C_X_LD_NOT);
    int n;
    std::uint32_t i, a;
    if (!load(pc->v[0], pc->v[1], i) ||
        !element(pc->v[2], pc->v[3], mem + i, 1, n, a)) goto slow;
    st[sp++] = mem[a] == 0;
    pc += 4;
    KAM_NEXT;
  }
  L_F_C_X_LD_NOT_AND: {
    KAM_STACK(F_C_X_LD_NOT_AND);
    int n;
    std::uint32_t a;
    // The indexes lie above the left operand of and.
    if (!element(pc->v[0], pc->v[1], st.data() + sp - 1, sp - 1, n, a)) goto slow;
    sp -= n;
    st[sp - 1] = plain_binary(AND, st[sp - 1], mem[a] == 0);
    pc += 4;
    KAM_NEXT;
  }
  L_F_V_C_X_LD_JF:
  L_F_V_C_X_LD_JT: {
    KAM_STACK(F_V_C_X_LD_JT);
    int n;
    std::uint32_t i, a;
    if (!load(pc->v[0], pc->v[1], i) ||
        !element(pc->v[2], pc->v[3], mem + i, 1, n, a) || --remaining < 0)
      goto slow;
    pc = (mem[a] != 0) == (pc->op == F_V_C_X_LD_JT) ? code + pc->target : pc + 4;
    KAM_NEXT;
  }
  L_F_V_DLSEG_RETURN: {
    KAM_STACK(F_V_DLSEG_RETURN);
    std::uint32_t a;
    if (!load(pc->v[0], pc->v[1], a)) goto slow;
    returned = mem[a];
    goto return_value;
  }
  // The rest of the F_V_DLSEG_RETURN at pc, whose variable holds returned
  // and whose stack check holds.
  return_value: {
    if (rsp == 0) goto slow;
    const std::int32_t back = returns[rsp - 1];
    if (static_cast<std::uint32_t>(back) > halt || !fast_dlseg()) goto slow;
    st[sp++] = returned;
    --rsp;
    pc = code + back;
    KAM_NEXT;
  }
  L_F_V_V: {
    KAM_STACK(F_V_V);
    std::uint32_t a, b;
    if (!load(pc->v[0], pc->v[1], a) || !load(pc->v[2], pc->v[3], b)) goto slow;
    st[sp] = mem[a];
    st[sp + 1] = mem[b];
    sp += 2;
    pc += 2;
    KAM_NEXT;
  }
  L_F_V_C: {
    KAM_STACK(F_V_C);
    std::uint32_t a;
    if (!load(pc->v[0], pc->v[1], a)) goto slow;
    st[sp] = mem[a];
    st[sp + 1] = pc->v[2];
    sp += 2;
    pc += 2;
    KAM_NEXT;
  }
  L_F_V_ST: {
    KAM_STACK(F_V_ST);
    std::uint32_t a, r;
    if (!load(pc->v[0], pc->v[1], a) || !store(pc->v[2], pc->v[3], r)) goto slow;
    mem[r] = mem[a];
    pc += 2;
    KAM_NEXT;
  }
  L_F_C_ST: {
    KAM_STACK(F_C_ST);
    std::uint32_t r;
    if (!store(pc->v[1], pc->v[2], r)) goto slow;
    mem[r] = pc->v[0];
    pc += 2;
    KAM_NEXT;
  }
  L_F_ST_JUMP: {
    KAM_STACK(F_ST_JUMP);
    std::uint32_t r;
    if (!store(pc->v[0], pc->v[1], r) || --remaining < 0) goto slow;
    mem[r] = st[--sp];
    pc = code + pc->target;
    KAM_NEXT;
  }
  L_F_LDX: {
    KAM_STACK(F_LDX);
    int n;
    std::uint32_t a;
    if (st[sp - 1] != -1 ||
        !element(pc->v[0], pc->v[1], st.data() + sp - 2, sp - 1, n, a)) goto slow;
    sp -= n + 1;
    st[sp++] = mem[a];
    ++pc;
    KAM_NEXT;
  }
  L_F_STX: {
    KAM_STACK(F_STX);
    int n;
    std::uint32_t r;
    if (st[sp - 1] != -1 || !element(pc->v[0], pc->v[1], st.data() + sp - 2, sp - 2, n, r) ||
        !storable(pc->v[0], r))
      goto slow;
    sp -= n + 2;
    mem[r] = st[sp];
    ++pc;
    KAM_NEXT;
  }
  L_F_C_X_LD: {
    KAM_STACK(F_C_X_LD);
    int n;
    std::uint32_t a;
    if (!element(pc->v[0], pc->v[1], st.data() + sp - 1, sp, n, a)) goto slow;
    sp -= n;
    st[sp++] = mem[a];
    pc += 2;
    KAM_NEXT;
  }
  L_F_C_X_ST: {
    KAM_STACK(F_C_X_ST);
    int n;
    std::uint32_t r;
    if (!element(pc->v[0], pc->v[1], st.data() + sp - 1, sp - 1, n, r) ||
        !storable(pc->v[0], r)) goto slow;
    sp -= n + 1;
    mem[r] = st[sp];
    pc += 2;
    KAM_NEXT;
  }
  L_F_V_C_X_LD: {
    KAM_STACK(F_V_C_X_LD);
    int n;
    std::uint32_t i, a;
    if (!load(pc->v[0], pc->v[1], i) ||
        !element(pc->v[2], pc->v[3], mem + i, 1, n, a)) goto slow;
    st[sp++] = mem[a];
    pc += 3;
    KAM_NEXT;
  }
  L_F_V_C_X_ST: {
    KAM_STACK(F_V_C_X_ST);
    int n;
    std::uint32_t i, r;
    if (!load(pc->v[0], pc->v[1], i) ||
        !element(pc->v[2], pc->v[3], mem + i, 1, n, r) || !storable(pc->v[2], r))
      goto slow;
    mem[r] = st[--sp];
    pc += 3;
    KAM_NEXT;
  }
  L_F_C_V_C_X_ST: {
    KAM_STACK(F_C_V_C_X_ST);
    int n;
    std::uint32_t i, r;
    if (!load(pc->v[1], pc->v[2], i) ||
        !element(pc->v[3], pc->v[4], mem + i, 1, n, r) || !storable(pc->v[3], r))
      goto slow;
    mem[r] = pc->v[0];
    pc += 4;
    KAM_NEXT;
  }
  L_F_TRAP:
    sp_ = static_cast<int>(sp);
    ic_ = index(pc);
    rsp_ = static_cast<int>(rsp);
    budget = remaining;
    return FastEnd::Trap;
L_F_SLOW:
slow:
  // The instruction at pc goes through the reference step.
  sp_ = static_cast<int>(sp);
  ic_ = index(pc);
  rsp_ = static_cast<int>(rsp);
  // A fast case that stopped at an empty budget took one without using it.
  if (remaining < 0 || --remaining < 0) {
    budget = 0;
    return FastEnd::OutOfBudget;
  }
  if (!step()) return FastEnd::Stopped;
  sp = sp_;
  pc = code + ic_;
  rsp = rsp_;
  if (layout_dirty_) refresh_windows();
  mem = mem_.words();
  KAM_NEXT;
#undef KAM_NEXT
#undef KAM_OPERATOR_CASES
#undef KAM_COMPARISON_CASES
#undef KAM_STEP_OF_THE_TESTED
#undef KAM_INDEX_AND_STEP_CASES
#undef KAM_CALL_CASE
#undef KAM_KEPT_CALL_CASE
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
