// The instruction set of the fast loop: single KAM instructions that
// cannot fail once their checks pass, and fused pairs and quadruples of
// them. Private to the machine's fast_decode.cpp and fast_run.cpp.
#pragma once

#include <cstdint>

namespace kam {

enum FastOp : std::uint8_t {
  F_SLOW,  // executed by step()
  F_TRAP,  // tracing starts here: leave the fast loop
  F_NOOP, F_LDCON, F_LDVAR, F_STVAR, F_POP, F_JUMP, F_JIFF, F_JIFT,
  F_ADD, F_SUB, F_MUL, F_AND, F_OR, F_EQ, F_NE, F_LT, F_LE, F_GT, F_GE,
  // fused pairs
  F_LDVAR_LDVAR, F_LDVAR_LDCON, F_LDCON_STVAR,
  F_ADD_STVAR, F_SUB_STVAR, F_MUL_STVAR,
  F_EQ_JIFF, F_NE_JIFF, F_LT_JIFF, F_LE_JIFF, F_GT_JIFF, F_GE_JIFF,
  // fused quadruples: "x := y op z" and the loop test "if not (y cmp z) goto"
  F_LVLV_ADD_ST, F_LVLV_SUB_ST, F_LVLV_MUL_ST,
  F_LVLC_ADD_ST, F_LVLC_SUB_ST, F_LVLC_MUL_ST,
  F_LVLV_EQ_JIFF, F_LVLV_NE_JIFF, F_LVLV_LT_JIFF, F_LVLV_LE_JIFF, F_LVLV_GT_JIFF, F_LVLV_GE_JIFF,
  F_LVLC_EQ_JIFF, F_LVLC_NE_JIFF, F_LVLC_LT_JIFF, F_LVLC_LE_JIFF, F_LVLC_GT_JIFF, F_LVLC_GE_JIFF,
};

}  // namespace kam
