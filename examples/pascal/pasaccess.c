/*
 * pasaccess.c - variable accesses and their KAM code (see pasaccess.h).
 */
#include "pasaccess.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "kamcode.h"
#include "pascall.h"
#include "passym.h"
#include "pastype.h"
#include "scanpars.h"

enum acc_kind { acc_none, acc_const, acc_scalar, acc_indirect, acc_array, acc_function,
                acc_result };

struct acc {
  enum acc_kind kind;
  symbol sym;
  typeid type;        /* what the indexes so far select */
  int level, dpl;
  int indexes;
  int code_mark;      /* where the code of the indexes begins */
  int index_mark;     /* where the code of the next index begins */
  piece moved;        /* the indexes of a store, set aside */
  int line;
  int quiet;          /* an error was reported: no further messages */
};

/* The last load of a variable, for a var argument. */
static struct {
  int start, end;
  enum acc_kind kind;
  typeid type;
  int level, dpl;
} last;

static struct {
  struct acc *list;
  int count, cap;
} accs;

void accesses_reset(void)
{
  free(accs.list);
  memset(&accs, 0, sizeof accs);
  memset(&last, 0, sizeof last);
  last.end = -1;
}

static struct acc *get(varref a)
{
  static struct acc none;
  if (a >= 1 && a <= accs.count)
    return &accs.list[a - 1];
  memset(&none, 0, sizeof none);
  none.quiet = 1;
  return &none;
}

static varref add(struct acc a)
{
  if (accs.count == accs.cap) {
    accs.cap = accs.cap ? 2 * accs.cap : 64;
    accs.list = realloc(accs.list, (size_t)accs.cap * sizeof *accs.list);
    if (!accs.list)
      i_report(i_ENOMEM, __LINE__, __FILE__);
  }
  accs.list[accs.count++] = a;
  return accs.count;
}

static const char *name_of(const struct acc *a)
{
  return sym_get(a->sym)->name;
}

/* The kind of access to a variable, parameter or function; reports what
   cannot be accessed so. */
static enum acc_kind kind_of(struct acc *a, const struct sym *s, int for_store)
{
  switch (s->kind) {
  case sym_none:
    return acc_none;
  case sym_const:
    if (for_store)
      i_error_at(a->line, "cannot assign to the constant '%s'", s->name);
    return for_store ? acc_none : acc_const;
  case sym_type:
    i_error_at(a->line, "'%s' is a type, not a %s", s->name, for_store ? "variable" : "value");
    return acc_none;
  case sym_var:
  case sym_param:
    return type_is_array(s->type) ? acc_array : acc_scalar;
  case sym_var_param:
    return acc_indirect;
  case sym_procedure:
    if (for_store)
      i_error_at(a->line, "cannot assign to the procedure '%s'", s->name);
    else
      i_error_at(a->line, "the procedure '%s' has no value", s->name);
    return acc_none;
  case sym_function:
    if (!for_store)
      return acc_function;
    if (scope_is_open(s->scope))
      return acc_result;
    i_error_at(a->line, "cannot assign to the function '%s' outside its body", s->name);
    return acc_none;
  }
  return acc_none;
}

varref access_begin(symbol s, int line, int for_store)
{
  const struct sym *sym = sym_get(s);
  struct acc a = {0};
  a.sym = s;
  a.line = line;
  a.type = sym->type;
  a.level = sym->level;
  a.dpl = sym->dpl;
  a.kind = kind_of(&a, sym, for_store);
  a.quiet = a.kind == acc_none;
  if (a.kind == acc_result) {
    a.level = scope_level(sym->scope);
    a.dpl = 0;
  }
  if (a.kind == acc_indirect && for_store)
    kam_emit(KAM_LDVAR, a.level, a.dpl);  /* the address goes below the value */
  a.code_mark = a.index_mark = kam_mark();
  return add(a);
}

void access_index(varref ref, typeid t)
{
  struct acc *a = get(ref);
  if (a->quiet)
    return;
  if (!type_is_array(a->type)) {
    i_error_at(a->line, a->indexes ? "too many indexes for '%s'" : "'%s' is not an array",
               name_of(a));
    a->quiet = 1;
    return;
  }
  typeid wanted = type_index(a->type);
  int value;
  if (t != tyError && !type_same(t, wanted))
    i_error_at(a->line, "an index of '%s' must be %s, not %s", name_of(a), type_text(wanted),
               type_text(t));
  else if (kam_mark() - a->index_mark == 1 && kam_last_is(KAM_LDCON, &value) &&
           (value < type_low(a->type) || value > type_high(a->type)))
    i_error_at(a->line, "the index %s is outside the bounds %s..%s of '%s'",
               type_value_text(wanted, value), type_value_text(wanted, type_low(a->type)),
               type_value_text(wanted, type_high(a->type)), name_of(a));
  a->type = type_element(a->type);
  a->indexes++;
  a->index_mark = kam_mark();
}

void access_end_selectors(varref ref)
{
  struct acc *a = get(ref);
  /* A function that is called, not assigned to, takes no indexes. */
  if (!a->quiet && a->indexes > 0 && a->kind != acc_array)
    a->quiet = 1;
}

int access_fits_stack(int words, int line, const char *what)
{
  if (kam_depth() + words <= kam_stack_words)
    return 1;
  i_error_at(line, "%s of %d words does not fit on KAM's evaluation stack of %d words beside "
             "the %d words on it", what, words, kam_stack_words, kam_depth());
  return 0;
}

/* Sets the row descriptor of the array's segment to the part that the
   indexes select; the index code has been emitted. */
static void set_row_descriptor(const struct acc *a)
{
  const struct sym *s = sym_get(a->sym);
  int dims = type_dims(s->type);
  for (typeid row = a->type; type_is_array(row); row = type_element(row))
    kam_emit(KAM_LDCON, type_low(row), 0);
  kam_emit(KAM_LDCON, -1, 0);
  kam_emit_words(KAM_XVARADDR, a->level, a->dpl, 0, -dims);
  kam_emit(KAM_VARADDR, a->level, 0);
  kam_emit(KAM_SUB, 0, 0);
  int row = scope_row_descriptor(s->home);
  kam_emit(KAM_STVAR, a->level, row + 1);
  kam_emit(KAM_LDCON, type_words(a->type), 0);
  kam_emit(KAM_STVAR, a->level, row + 2);
}

/* Loads an element, a part or the whole of an array. */
static void load_array(const struct acc *a)
{
  int dims = type_dims(sym_get(a->sym)->type);
  if (a->indexes == dims) {
    kam_emit(KAM_LDCON, -1, 0);
    kam_emit_words(KAM_LDXVAR, a->level, a->dpl, 0, -dims);
    return;
  }
  int words = type_words(a->type);
  char what[300];
  snprintf(what, sizeof what, "%s '%s'", a->indexes ? "a part of the array" : "the array",
           name_of(a));
  if (!access_fits_stack(words, a->line, what))
    return;
  int dpl = a->dpl;
  if (a->indexes > 0) {
    set_row_descriptor(a);
    dpl = scope_row_descriptor(sym_get(a->sym)->home);
  }
  kam_emit(KAM_LDCON, 0, 0);
  kam_emit_words(KAM_LDNVAR, a->level, dpl, 0, words - 1);
}

typeid access_load(varref ref)
{
  struct acc *a = get(ref);
  if (a->quiet)
    return tyError;
  int start = a->code_mark;
  switch (a->kind) {
  case acc_const:
    kam_emit(KAM_LDCON, sym_get(a->sym)->value, 0);
    return a->type;
  case acc_function:
    call_without_arguments(a->sym, a->line);
    return a->type;
  case acc_scalar:
  case acc_result:
    start = kam_mark();
    kam_emit(KAM_LDVAR, a->level, a->dpl);
    break;
  case acc_indirect:
    start = kam_mark();
    kam_emit(KAM_LDVAR, a->level, a->dpl);
    kam_emit(KAM_LDIND, 0, 0);
    kam_emit(KAM_SWAP, 0, 0);
    kam_emit(KAM_POP, 0, 0);
    break;
  case acc_array:
    load_array(a);
    break;
  case acc_none:
    return tyError;
  }
  last.start = start;
  last.end = kam_mark();
  last.kind = a->kind == acc_array && type_is_array(a->type) ? acc_none : a->kind;
  last.type = a->type;
  last.level = a->level;
  last.dpl = a->dpl;
  return a->type;
}

void access_before_value(varref ref)
{
  struct acc *a = get(ref);
  if (!a->quiet && a->kind == acc_array && a->indexes > 0)
    a->moved = kam_cut(a->code_mark);
}

/* Stores into an element, a part or the whole of an array. */
static void store_array(const struct acc *a)
{
  int dims = type_dims(sym_get(a->sym)->type);
  kam_paste(a->moved);
  if (a->indexes == dims) {
    kam_emit(KAM_LDCON, -1, 0);
    kam_emit_words(KAM_STXVAR, a->level, a->dpl, 0, -dims - 2);
    return;
  }
  int dpl = a->dpl;
  if (a->indexes > 0) {
    set_row_descriptor(a);
    dpl = scope_row_descriptor(sym_get(a->sym)->home);
  }
  kam_emit(KAM_LDCON, 0, 0);
  kam_emit_words(KAM_STNVAR, a->level, dpl, 0, -1 - type_words(a->type));
}

void access_store(varref ref, typeid t)
{
  struct acc *a = get(ref);
  if (a->quiet)
    return;
  if (t != tyError && !type_same(t, a->type)) {
    i_error_at(a->line, "cannot assign %s to '%s' of type %s", type_text(t), name_of(a),
               type_text(a->type));
    return;
  }
  switch (a->kind) {
  case acc_scalar:
  case acc_result:
    kam_emit(KAM_STVAR, a->level, a->dpl);
    break;
  case acc_indirect:
    kam_emit(KAM_STIND, 0, 0);
    kam_emit(KAM_POP, 0, 0);
    break;
  case acc_array:
    store_array(a);
    break;
  default:
    break;
  }
}

void access_read(varref ref)
{
  static const enum kam_op read_op[] = {KAM_NOOP, KAM_RDINT, KAM_RDBOOL, KAM_RDCHAR};
  struct acc *a = get(ref);
  if (a->quiet)
    return;
  enum type_kind kind = type_kind(a->type);
  if (kind != kind_integer && kind != kind_boolean && kind != kind_char) {
    i_error_at(a->line, "'%s' cannot be read: read takes integers, booleans and chars",
               name_of(a));
    return;
  }
  access_before_value(ref);
  kam_emit(read_op[kind], 0, 0);
  access_store(ref, a->type);
}

int access_take_address(int mark, typeid *t)
{
  if (last.end != kam_mark() || last.start < mark)
    return 0;
  int a = 0;
  switch (last.kind) {
  case acc_scalar:
    if (!kam_last_is(KAM_LDVAR, &a) || a != last.level)
      return 0;
    kam_change_last(KAM_VARADDR, last.level, last.dpl);
    break;
  case acc_array:
    if (!kam_last_is(KAM_LDXVAR, &a) || a != last.level)
      return 0;
    kam_change_last(KAM_XVARADDR, last.level, last.dpl);
    break;
  case acc_indirect:
    if (!kam_last_is(KAM_POP, NULL))
      return 0;
    kam_drop_last();
    kam_drop_last();
    kam_drop_last();
    break;
  default:
    return 0;
  }
  last.end = -1;
  *t = last.type;
  return 1;
}
