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

enum FastOp : std::uint8_t {
  F_SLOW,  // executed by step()
  F_TRAP,  // tracing starts here: leave the fast loop
  F_NOOP, F_LDCON, F_LDVAR, F_STVAR, F_POP, F_JUMP, F_JIFF, F_JIFT, F_NOT, F_NEG,
  F_CALL, F_RETURN, F_CRSEG, F_DLSEG, F_LDX, F_STX,
  // fused sequences without an operator
  F_V_V, F_V_C, F_V_ST, F_C_ST, F_ST_JUMP, F_NOT_AND,
  F_C_X_LD,     // ldcon -1; ldxvar: the indexes on the stack
  F_V_C_X_LD,   // ldvar; ldcon -1; ldxvar
  F_C_X_ST,     // ldcon -1; stxvar: the value below the indexes
  F_V_C_X_ST,   // ldvar; ldcon -1; stxvar
  F_C_V_C_X_ST, // ldcon; ldvar; ldcon -1; stxvar: a constant into an element
  F_CRSEG_ST, F_CRSEG_ST_ST, F_DLSEG_RETURN, F_V_DLSEG_RETURN,
  // each operator OP: OP; ldvar OP; ldcon OP; ldvar ldvar OP; ldvar ldcon
  // OP; OP stvar; ldvar ldvar OP stvar; ldvar ldcon OP stvar
#define KAM_FAST_OPERATOR_OPS(op) \
  F_##op, F_V_##op, F_C_##op, F_VV_##op, F_VC_##op, F_##op##_ST, F_VV_##op##_ST, F_VC_##op##_ST,
  KAM_FAST_OPERATORS(KAM_FAST_OPERATOR_OPS)
#undef KAM_FAST_OPERATOR_OPS
  // each comparison: CMP jiff; ldvar ldvar CMP jiff; ldvar ldcon CMP jiff
#define KAM_FAST_COMPARISON_OPS(op) F_##op##_JF, F_VV_##op##_JF, F_VC_##op##_JF,
  KAM_FAST_COMPARISONS(KAM_FAST_COMPARISON_OPS)
#undef KAM_FAST_COMPARISON_OPS
  F_COUNT
};

// The variants of an operator in the order above, from F_<op>.
enum OperatorForm { OpPlain, OpVar, OpConst, OpVarVar, OpVarConst, OpStore, OpVarVarStore,
                    OpVarConstStore, operator_forms };
// The variants of a comparison from F_<op>_JF.
enum ComparisonForm { CmpPlain, CmpVarVar, CmpVarConst, comparison_forms };

}  // namespace kam
