// The instruction set of the fast loop: single KAM instructions and the
// sequences the MiniPas compiler emits most, fused into one instruction
// each. Private to the machine's fast_decode.cpp and fast_run.cpp.
//
// Names: V a variable load (ldvar), C a constant (ldcon), ST a store into a
// variable (stvar), JF a conditional jump taken when the comparison is
// false (jiff, or jift with the opposite comparison), X an element of an
// array through its descriptor (ldcon -1 then ldxvar/stxvar).
#pragma once

#include <cstdint>

namespace kam {

// The operators that cannot fail, and the comparisons among them.
#define KAM_FAST_OPERATORS(X) X(ADD) X(SUB) X(MUL) X(AND) X(OR) KAM_FAST_COMPARISONS(X)
#define KAM_FAST_COMPARISONS(X) X(EQ) X(NE) X(LT) X(LE) X(GT) X(GE)

// The fast instructions that are not named after an operator, in order.
#define KAM_FAST_FIXED_OPS(X)                                                          \
  X(F_SLOW) /* executed by step() */                                                   \
  X(F_TRAP) /* tracing starts here: leave the fast loop */                             \
  X(F_NOOP) X(F_LDCON) X(F_LDVAR) X(F_STVAR) X(F_POP) X(F_JUMP) X(F_JIFF) X(F_JIFT)    \
  X(F_NOT) X(F_NEG) X(F_CALL) X(F_RETURN) X(F_CRSEG) X(F_DLSEG) X(F_LDX) X(F_STX)      \
  /* fused sequences without an operator */                                           \
  X(F_V_V) X(F_V_C) X(F_V_ST) X(F_C_ST) X(F_ST_JUMP) X(F_NOT_AND)                      \
  X(F_C_X_LD)     /* ldcon -1; ldxvar: the indexes on the stack */                     \
  X(F_V_C_X_LD)   /* ldvar; ldcon -1; ldxvar */                                        \
  X(F_C_X_ST)     /* ldcon -1; stxvar: the value below the indexes */                  \
  X(F_V_C_X_ST)   /* ldvar; ldcon -1; stxvar */                                        \
  X(F_C_V_C_X_ST) /* ldcon; ldvar; ldcon -1; stxvar: a constant into an element */     \
  X(F_CRSEG_ST) X(F_CRSEG_ST_ST) X(F_DLSEG_RETURN) X(F_V_DLSEG_RETURN)                 \
  X(F_CALL_FRAME) /* call to a crseg and the stvar of its first parameters */       \
  X(F_VC_ADD_CALL) X(F_VC_SUB_CALL) /* ldvar; ldcon; add or sub; F_CALL_FRAME */      \
  X(F_V_ST_JUMP)                                                                       \
  X(F_V_C_X_LD_NOT)      /* ldvar; ldcon -1; ldxvar; not */                            \
  X(F_C_X_LD_NOT_AND)    /* ldcon -1; ldxvar; not; and */                              \
  X(F_V_C_X_LD_JF) X(F_V_C_X_LD_JT) /* ldvar; ldcon -1; ldxvar; jiff or jift */        \
  /* ldvar; ldvar; add or sub: the index; ldcon -1; ldxvar; not; and (; jiff) */       \
  X(F_VV_ADD_X_LD_NOT_AND) X(F_VV_SUB_X_LD_NOT_AND)                                    \
  X(F_VV_ADD_X_LD_NOT_AND_JF) X(F_VV_SUB_X_LD_NOT_AND_JF)                              \
  /* ldcon; ldvar; ldvar; add or sub: the index; ldcon -1; stxvar */                   \
  X(F_C_VV_ADD_X_ST) X(F_C_VV_SUB_X_ST)                                                \
  /* ldvar; ldvar or ldcon; add or sub; stvar: the step of a while loop, then its    \
     test: ldvar; ldcon; a comparison; jiff or jift, whose constant is replaced by  \
     the range of values for which it holds, and its span after it */               \
  X(F_VV_ADD_ST_VC_JF) X(F_VV_SUB_ST_VC_JF) X(F_VC_ADD_ST_VC_JF) X(F_VC_SUB_ST_VC_JF)    \
  /* F_V_ST_JUMP and F_ADD_ST going on to an F_V_DLSEG_RETURN of the variable stored */ \
  X(F_V_ST_RETURN) X(F_ADD_ST_RETURN)                                                  \
  /* F_VC_ADD_CALL and F_VC_SUB_CALL to a crseg of 1 .. small_data words and the    \
     stvar of the one parameter into it: the segment kept at once (operands sn,     \
     length and the parameter's dpl after the variable and the constant); with      \
     tests, also the test of the parameter after them (ldvar; ldcon; a comparison;  \
     a branch: its range as operands 6 and 8, its target as 7) */                   \
  X(F_VC_ADD_KEPT_CALL) X(F_VC_SUB_KEPT_CALL)

// Each operator OP: OP; ldvar OP; ldcon OP; ldvar ldvar OP; ldvar ldcon OP;
// OP stvar; ldvar ldvar OP stvar; ldvar ldcon OP stvar.
#define KAM_FAST_OPERATOR_OPS(X, op)                                                   \
  X(F_##op) X(F_V_##op) X(F_C_##op) X(F_VV_##op) X(F_VC_##op) X(F_##op##_ST)           \
  X(F_VV_##op##_ST) X(F_VC_##op##_ST)
// Each comparison CMP: CMP jiff; ldvar ldvar CMP jiff; ldvar ldcon CMP jiff;
// the last two when the jump goes to "ldvar ldcon add stvar", the step of
// a for loop, which they do too.
#define KAM_FAST_COMPARISON_OPS(X, op)                                                 \
  X(F_##op##_JF) X(F_VV_##op##_JF) X(F_VC_##op##_JF) X(F_VV_##op##_JF_STEP)             \
  X(F_VC_##op##_JF_STEP)

// Every fast instruction, in the order of FastOp.
#define KAM_FAST_OPS(X)                                                                \
  KAM_FAST_FIXED_OPS(X)                                                                \
  KAM_FAST_OPERATOR_OPS(X, ADD) KAM_FAST_OPERATOR_OPS(X, SUB)                          \
  KAM_FAST_OPERATOR_OPS(X, MUL) KAM_FAST_OPERATOR_OPS(X, AND)                          \
  KAM_FAST_OPERATOR_OPS(X, OR) KAM_FAST_OPERATOR_OPS(X, EQ)                            \
  KAM_FAST_OPERATOR_OPS(X, NE) KAM_FAST_OPERATOR_OPS(X, LT)                            \
  KAM_FAST_OPERATOR_OPS(X, LE) KAM_FAST_OPERATOR_OPS(X, GT)                            \
  KAM_FAST_OPERATOR_OPS(X, GE)                                                         \
  KAM_FAST_COMPARISON_OPS(X, EQ) KAM_FAST_COMPARISON_OPS(X, NE)                        \
  KAM_FAST_COMPARISON_OPS(X, LT) KAM_FAST_COMPARISON_OPS(X, LE)                        \
  KAM_FAST_COMPARISON_OPS(X, GT) KAM_FAST_COMPARISON_OPS(X, GE)

enum FastOp : std::uint8_t {
#define KAM_FAST_ENUMERATOR(name) name,
  KAM_FAST_OPS(KAM_FAST_ENUMERATOR)
#undef KAM_FAST_ENUMERATOR
  F_COUNT
};

// The variants of an operator in the order above, from F_<op>.
enum OperatorForm { OpPlain, OpVar, OpConst, OpVarVar, OpVarConst, OpStore, OpVarVarStore,
                    OpVarConstStore, operator_forms };
// The variants of a comparison from F_<op>_JF.
enum ComparisonForm {
  CmpPlain, CmpVarVar, CmpVarConst, CmpVarVarStep, CmpVarConstStep, comparison_forms
};

// The stack words a fast instruction needs below it and the most it
// pushes above the depth it starts at: it runs only when need <= SP <=
// stack_size - peak, which each handler checks with these constants. The
// calls, whose parameters vary, and F_SLOW check nothing of their own.
struct StackShape {
  std::uint8_t need, peak;
  bool varies;
};

constexpr StackShape stack_shape(int op) {
  if (op >= F_EQ_JF) return (op - F_EQ_JF) % comparison_forms == CmpPlain ? StackShape{2, 0, false}
                                                                        : StackShape{0, 2, false};
  if (op >= F_ADD) {
    switch ((op - F_ADD) % operator_forms) {
      case OpPlain: case OpStore: return {2, 0, false};
      case OpVar: case OpConst: return {1, 1, false};
      default: return {0, 2, false};
    }
  }
  switch (op) {
    case F_SLOW: case F_CALL_FRAME: case F_VC_ADD_CALL: case F_VC_SUB_CALL: return {0, 0, true};
    case F_LDCON: case F_LDVAR: case F_V_ST: case F_C_ST: case F_V_DLSEG_RETURN:
    case F_V_ST_JUMP: case F_V_ST_RETURN: return {0, 1, false};
    case F_STVAR: case F_POP: case F_JIFF: case F_JIFT: case F_NOT: case F_NEG:
    case F_ST_JUMP: case F_CRSEG_ST: return {1, 0, false};
    case F_ADD_ST_RETURN: return {2, 0, false};
    case F_LDX: case F_NOT_AND: case F_CRSEG_ST_ST: return {2, 0, false};
    case F_STX: return {3, 0, false};
    case F_VC_ADD_KEPT_CALL: case F_VC_SUB_KEPT_CALL:  // with the parameter on the stack
    case F_V_V: case F_V_C: case F_V_C_X_LD: case F_V_C_X_LD_NOT: case F_V_C_X_LD_JF:
    case F_V_C_X_LD_JT: return {0, 2, false};
    case F_C_X_LD: return {1, 1, false};
    case F_C_X_ST: case F_C_X_LD_NOT_AND: return {2, 1, false};
    case F_V_C_X_ST: return {1, 2, false};
    case F_C_V_C_X_ST: case F_C_VV_ADD_X_ST: case F_C_VV_SUB_X_ST: return {0, 3, false};
    case F_VV_ADD_X_LD_NOT_AND: case F_VV_SUB_X_LD_NOT_AND: case F_VV_ADD_X_LD_NOT_AND_JF:
    case F_VV_SUB_X_LD_NOT_AND_JF: return {1, 2, false};
    case F_VV_ADD_ST_VC_JF: case F_VV_SUB_ST_VC_JF: case F_VC_ADD_ST_VC_JF:
    case F_VC_SUB_ST_VC_JF: return {0, 2, false};
    default: return {0, 0, false};  // no stack words: jumps, segments, returns, the trap
  }
}

}  // namespace kam
