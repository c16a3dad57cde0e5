/*
 * pascall.c - the actions of calls (see pascall.h): the callee and its
 * arguments are checked, the arguments and the call emitted.
 */
#include "pascall.h"

#include <stdlib.h>
#include <string.h>

#include "kamcode.h"
#include "pasaccess.h"
#include "pasacts.h"
#include "passym.h"
#include "pastype.h"
#include "scanpars.h"

struct callrec {
  symbol callee;
  int line;
  int args;           /* arguments so far */
  int words;          /* words they take on the stack */
  int mark;           /* where the code of the current argument begins */
  int quiet;
};

static struct {
  struct callrec *list;
  int count, cap;
} calls;

void calls_reset(void)
{
  free(calls.list);
  memset(&calls, 0, sizeof calls);
}

static struct callrec *get(callref c)
{
  static struct callrec none;
  if (c >= 1 && c <= calls.count)
    return &calls.list[c - 1];
  memset(&none, 0, sizeof none);
  none.quiet = 1;
  return &none;
}

/* Reports a callee that cannot be called where it stands. */
static int callable(const struct callrec *call, int as_function)
{
  const struct sym *callee = sym_get(call->callee);
  if (callee->kind == sym_none)
    return 0;
  if (as_function && callee->kind == sym_procedure)
    i_error_at(call->line, "the procedure '%s' has no value", callee->name);
  else if (!as_function && callee->kind == sym_function)
    i_error_at(call->line, "the value of the function '%s' is not used", callee->name);
  else if (callee->kind != (as_function ? sym_function : sym_procedure))
    i_error_at(call->line, "'%s' is not a %s", callee->name, as_function ? "function" :
               "procedure");
  else
    return 1;
  return 0;
}

void begin_call(symbol s, integer line, boolean as_function, callref *c)
{
  if (calls.count == calls.cap) {
    calls.cap = calls.cap ? 2 * calls.cap : 64;
    calls.list = realloc(calls.list, (size_t)calls.cap * sizeof *calls.list);
    if (!calls.list)
      i_report(i_ENOMEM, __LINE__, __FILE__);
  }
  struct callrec *call = &calls.list[calls.count++];
  memset(call, 0, sizeof *call);
  call->callee = s;
  call->line = line;
  call->quiet = !callable(call, as_function);
  *c = calls.count;
}

void copy_call(callref c, callref *copy)
{
  *copy = c;
}

void begin_argument(callref c)
{
  get(c)->mark = kam_mark();
}

/* A var parameter takes the address of a variable of exactly its type. */
static void var_argument(struct callrec *call, const struct sym *param, typeid t)
{
  typeid variable = tyError;
  const char *name = sym_get(call->callee)->name;
  if (!access_take_address(call->mark, &variable)) {
    if (t != tyError)
      i_error_at(call->line, "argument %d of '%s' must be a variable: '%s' is a var parameter",
                 call->args, name, param->name);
    return;
  }
  if (variable != tyError && !type_same(variable, param->type))
    i_error_at(call->line, "argument %d of '%s' is %s, but the var parameter '%s' is %s",
               call->args, name, type_text(variable), param->name, type_text(param->type));
}

void end_argument(callref c, typeid t)
{
  struct callrec *call = get(c);
  const struct sym *param = sym_get(sym_parameter(call->callee, call->args++));
  if (call->quiet || param->kind == sym_none)
    return;
  call->words += param->kind == sym_var_param ? 1 : type_words(param->type);
  if (param->kind == sym_var_param)
    var_argument(call, param, t);
  else if (t != tyError && !type_same(t, param->type))
    i_error_at(call->line, "argument %d of '%s' is %s, but the parameter '%s' is %s", call->args,
               sym_get(call->callee)->name, type_text(t), param->name, type_text(param->type));
}

/* Checks the number of arguments and emits the call. */
static void emit_call(struct callrec *call)
{
  const struct sym *callee = sym_get(call->callee);
  if (call->args != callee->params) {
    i_error_at(call->line, "'%s' takes %d argument%s, not %d", callee->name, callee->params,
               callee->params == 1 ? "" : "s", call->args);
    return;
  }
  int result = callee->kind == sym_function ? 1 : 0;
  kam_emit_words(KAM_CALL, callee->entry, 0, 0, result - call->words);
}

void end_procedure_call(callref c)
{
  struct callrec *call = get(c);
  if (!call->quiet)
    emit_call(call);
  kam_set_depth(0);
}

void end_function_call(callref c, typeid *t)
{
  struct callrec *call = get(c);
  *t = tyError;
  if (call->quiet)
    return;
  emit_call(call);
  *t = sym_get(call->callee)->type;
}

void call_without_arguments(symbol f, int line)
{
  struct callrec call = {f, line, 0, 0, 0, 0};
  emit_call(&call);
}
