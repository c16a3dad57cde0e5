/*
 * pasexpr.c - the actions of expressions.
 *
 * An expression's code leaves its value on the stack; the actions check the
 * operand types of every operator and emit the operator after its
 * operands.  An operator of two constants is computed here, with the
 * wrap-around of KAM's 32-bit words, and a minus sign or a not of a
 * constant makes a constant: the value of a constant expression ends up in
 * a single ldcon, which is how declarations find their constants.
 */
#include <limits.h>

#include "pastypes.h"
#include "pasacts.h"
#include "kamcode.h"
#include "pasaccess.h"
#include "pasdecl.h"
#include "passym.h"
#include "pastype.h"

static const char *op_text[] = {"+", "-", "or", "*", "div", "mod", "and",
                                "=", "<>", "<", "<=", ">", ">="};

void lookup(string name, integer line, symbol *s)
{
  *s = sym_find(name);
  if (*s)
    return;
  i_error_at(line, "'%s' is not declared", name);
  /* Later uses in this block stay quiet. */
  *s = sym_declare(name, line, sym_none, tyError);
}

void load_number(integer number, typeid *t)
{
  kam_emit(KAM_LDCON, number, 0);
  *t = tyInteger;
}

void load_char(char c, typeid *t)
{
  kam_emit(KAM_LDCON, (unsigned char)c, 0);
  *t = tyChar;
}

void load_bool(boolean b, typeid *t)
{
  kam_emit(KAM_LDCON, b != 0, 0);
  *t = tyBoolean;
}

void load_string(string text, integer line, typeid *t)
{
  kam_emit(KAM_LDCON, string_literal(text, line), 0);
  *t = tyString;
}

/* A OP B on 32-bit words as KAM computes it; 0 when the result is not
   computed here (a division by zero is left to run time). */
static int fold(oper op, int a, int b, int *result)
{
  long long wide;
  switch (op) {
  case opAdd: wide = (long long)a + b; break;
  case opSub: wide = (long long)a - b; break;
  case opMul: wide = (long long)a * b; break;
  case opDiv:
    if (b == 0 || (a == INT_MIN && b == -1))
      return 0;
    wide = a / b;
    break;
  case opMod:
    if (b <= 0)
      return 0;
    wide = a % b;
    break;
  case opAnd: wide = a != 0 && b != 0; break;
  case opOr: wide = a != 0 || b != 0; break;
  case opEq: wide = a == b; break;
  case opNe: wide = a != b; break;
  case opLt: wide = a < b; break;
  case opLe: wide = a <= b; break;
  case opGt: wide = a > b; break;
  case opGe: wide = a >= b; break;
  default:
    return 0;
  }
  *result = (int)(unsigned)(unsigned long long)wide;
  return 1;
}

static void emit_operator(oper op)
{
  static const enum kam_op code[] = {KAM_ADD, KAM_SUB, KAM_OR, KAM_MUL, KAM_DVI, KAM_MDL,
                                     KAM_AND, KAM_EQ, KAM_NE, KAM_LT, KAM_LE, KAM_GT, KAM_GE};
  int a, b, result;
  if (kam_last_constants(&a, &b) && fold(op, a, b, &result)) {
    kam_drop_last();
    kam_change_last(KAM_LDCON, result, 0);
    return;
  }
  kam_emit(code[op], 0, 0);
}

void binary(oper op, integer line, typeid left, typeid right, typeid *t)
{
  typeid wanted = op == opOr || op == opAnd ? tyBoolean : tyInteger;
  *t = wanted;
  if (left == tyError || right == tyError) {
    *t = tyError;
    return;
  }
  if (left != wanted || right != wanted) {
    i_error_at(line, "the operator '%s' needs %s operands, not %s and %s", op_text[op],
               type_text(wanted), type_text(left), type_text(right));
    *t = tyError;
    return;
  }
  emit_operator(op);
}

void compare(oper op, integer line, typeid left, typeid right, typeid *t)
{
  *t = tyBoolean;
  if (left == tyError || right == tyError)
    return;
  if (!type_same(left, right))
    i_error_at(line, "'%s' cannot compare %s with %s", op_text[op], type_text(left),
               type_text(right));
  else if (type_kind(left) == kind_string)
    i_error_at(line, "'%s' cannot compare strings", op_text[op]);
  else if (type_is_array(left) && op != opEq && op != opNe)
    i_error_at(line, "arrays are compared with = and <> only, not with '%s'", op_text[op]);
  else if (type_is_array(left)) {
    int words = type_words(left);
    kam_emit(KAM_LDCON, words, 0);
    kam_emit_words(op == opEq ? KAM_EQN : KAM_NEN, 1, 0, 0, -2 * words);
  } else
    emit_operator(op);
}

void sign(boolean negative, integer line, typeid given, typeid *t)
{
  *t = given;
  if (!negative || given == tyError)
    return;
  int value;
  if (given != tyInteger) {
    i_error_at(line, "a minus sign needs an integer, not %s", type_text(given));
    *t = tyError;
  } else if (kam_last_is(KAM_LDCON, &value))
    kam_change_last(KAM_LDCON, (int)(0u - (unsigned)value), 0);
  else
    kam_emit(KAM_NEG, 0, 0);
}

void negation(integer line, typeid given, typeid *t)
{
  int value;
  *t = tyBoolean;
  if (given == tyError)
    *t = tyError;
  else if (given != tyBoolean) {
    i_error_at(line, "'not' needs a boolean, not %s", type_text(given));
    *t = tyError;
  } else if (kam_last_is(KAM_NOT, NULL))
    kam_drop_last();
  else if (kam_last_is(KAM_LDCON, &value))
    kam_change_last(KAM_LDCON, value == 0, 0);
  else
    kam_emit(KAM_NOT, 0, 0);
}

void to_ordinal(integer line, typeid given, typeid *t)
{
  *t = tyInteger;
  if (given != tyError && !type_is_ordinal(given)) {
    i_error_at(line, "'ord' needs an integer, boolean or char, not %s", type_text(given));
    *t = tyError;
  }
}

void to_char(integer line, typeid given, typeid *t)
{
  *t = tyChar;
  if (given != tyError && given != tyInteger) {
    i_error_at(line, "'chr' needs an integer, not %s", type_text(given));
    *t = tyError;
  }
}

void begin_access(symbol s, integer line, varref *a)
{
  *a = access_begin(s, line, 0);
}

void add_index(varref a, typeid t)
{
  access_index(a, t);
}

void end_selectors(varref a)
{
  access_end_selectors(a);
}

void load_access(varref a, typeid *t)
{
  *t = access_load(a);
}
