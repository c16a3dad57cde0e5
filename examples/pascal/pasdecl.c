/*
 * pasdecl.c - the actions of declarations and blocks.
 *
 * A constant, and each bound of an array range, is an expression whose
 * code has folded into a single ldcon; the instruction is taken back and
 * its operand is the value.  Names are declared when their type is known:
 * the names of a variable or parameter list wait in a list until the type
 * after the colon has been read, and the ranges of an array type on a
 * stack until its element type has.  A block's code is framed at its body:
 * the first routine body is preceded by a jump to the program's body,
 * which comes last; each body starts by creating its segment, building the
 * descriptors of its arrays and taking its arguments off the stack, and
 * ends by deleting it again.
 */
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "pastypes.h"
#include "pasacts.h"
#include "kamcode.h"
#include "kamtabs.h"
#include "pasdecl.h"
#include "passym.h"
#include "pastype.h"
#include "pasgrow.h"

struct pending {
  char name[i_string_size];
  int line;
};

struct range {
  typeid index;
  int low, high;
  int line;
};

static struct {
  struct pending *names;
  int names_count, names_cap;
  struct range *ranges;
  int ranges_count, ranges_cap;
  label program_entry;
} decl;

void declarations_start(void)
{
  free(decl.names);
  free(decl.ranges);
  memset(&decl, 0, sizeof decl);
  scope_open(0, 0, 0);
  struct sym *maxint = sym_change(sym_declare("maxint", 0, sym_const, tyInteger));
  maxint->value = INT_MAX;
}

int string_literal(const char *text, int line)
{
  if (text[0] == '\0')
    i_error_at(line, "an empty string cannot be written: a KAM string holds at least one "
               "character");
  else if (strchr(text, '\\'))
    i_warning_at(line, "a backslash in a string prints as it stands with kamrun, but starts "
                 "an escape in the translations of k2c, k2s and k2a");
  return kam_string(text, line);
}

/* The program and its body. */

void begin_program(string name, integer line)
{
  (void)name;
  int kind = kam_new_segment_kind(line);
  scope_open(1, 0, kind);
  decl.program_entry = kam_new_label();
}

/* Words that a value of type T takes in a segment: an array its descriptor. */
static int segment_words(typeid t)
{
  return type_is_array(t) ? 2 + 2 * type_dims(t) : 1;
}

/* descr for every array of the block, in the order of declaration. */
static void build_descriptors(int scope)
{
  for (symbol s = scope_first_symbol(scope); s; s = sym_next_in_scope(s)) {
    const struct sym *sym = sym_get(s);
    if ((sym->kind != sym_var && sym->kind != sym_param) || !type_is_array(sym->type))
      continue;
    for (typeid t = sym->type; type_is_array(t); t = type_element(t)) {
      kam_emit(KAM_LDCON, type_low(t), 0);
      kam_emit(KAM_LDCON, type_high(t), 0);
    }
    int dims = type_dims(sym->type);
    kam_emit_words(KAM_DESCR, sym->level, sym->dpl, dims, -2 * dims);
  }
}

/* The arguments on the stack go into the parameters, the last first. */
static void take_arguments(symbol routine)
{
  for (int i = sym_get(routine)->params - 1; i >= 0; i--) {
    const struct sym *param = sym_get(sym_parameter(routine, i));
    if (param->kind == sym_param && type_is_array(param->type)) {
      kam_emit(KAM_LDCON, 0, 0);
      kam_emit_words(KAM_STNVAR, param->level, param->dpl, 0, -1 - type_words(param->type));
    } else {
      kam_emit(KAM_STVAR, param->level, param->dpl);
    }
  }
}

/* Words of the arguments that a call of ROUTINE leaves on the stack. */
static int argument_words(symbol routine)
{
  int words = 0;
  for (int i = 0; i < sym_get(routine)->params; i++) {
    const struct sym *param = sym_get(sym_parameter(routine, i));
    words += param->kind == sym_param ? type_words(param->type) : 1;
  }
  return words;
}

void begin_body(void)
{
  int scope = scope_current();
  symbol routine = scope_routine(scope);
  char note[300];
  if (routine) {
    const struct sym *r = sym_get(routine);
    if (kam_mark() == 0)
      kam_emit(KAM_JUMP, decl.program_entry, 0);
    kam_place_label(r->entry);
    snprintf(note, sizeof note, "%s %s, level %d", r->kind == sym_function ? "function" :
             "procedure", r->name, scope_level(scope));
  } else {
    if (kam_mark() > 0)
      kam_place_label(decl.program_entry);
    snprintf(note, sizeof note, "the program, level 1");
  }
  kam_note(note);
  kam_emit(KAM_CRSEG, scope_level(scope), scope_segment_kind(scope));
  kam_set_depth(argument_words(routine));
  build_descriptors(scope);
  take_arguments(routine);
  kam_set_depth(0);
}

void end_body(void)
{
  int scope = scope_current();
  symbol routine = scope_routine(scope);
  if (sym_get(routine)->kind == sym_function)
    kam_emit(KAM_LDVAR, scope_level(scope), 0);
  kam_emit(KAM_DLSEG, 0, 0);
  kam_emit(routine ? KAM_RETURN : KAM_HALT, 0, 0);
  kam_set_segment_words(scope_segment_kind(scope), scope_words(scope));
  kam_set_depth(0);
}

/* Names waiting for their type. */

void note_name(string name, integer line)
{
  decl.names = pas_grow(decl.names, &decl.names_cap, decl.names_count + 1, sizeof *decl.names);
  struct pending *p = &decl.names[decl.names_count++];
  snprintf(p->name, sizeof p->name, "%s", name);
  p->line = line;
}

void declare_vars(typeid t)
{
  int scope = scope_current();
  for (int i = 0; i < decl.names_count; i++) {
    symbol s = sym_declare(decl.names[i].name, decl.names[i].line, sym_var, t);
    struct sym *var = sym_change(s);
    var->level = scope_level(scope);
    var->dpl = scope_allocate(scope, segment_words(t));
  }
  decl.names_count = 0;
}

void declare_const(string name, integer line, typeid t, integer value)
{
  sym_change(sym_declare(name, line, sym_const, t))->value = value;
}

void declare_type(string name, integer line, typeid t)
{
  sym_declare(name, line, sym_type, t);
}

/* Routines. */

static symbol declare_routine(const char *name, int line, enum sym_kind kind)
{
  symbol r = sym_declare(name, line, kind, tyError);
  if (!r)
    r = sym_hidden(name, line, kind, tyError);
  int level = scope_level(scope_current()) + 1;
  if (level > kam_max_level) {
    i_error_at(line, "'%s' is nested too deeply: KAM's display has %d levels, the program's "
               "block is the first", name, kam_max_level);
    level = kam_max_level;
  }
  int kind_number = kam_new_segment_kind(line);
  struct sym *routine = sym_change(r);
  routine->entry = kam_new_label();
  routine->segment_kind = kind_number;
  routine->scope = scope_open(level, r, kind_number);
  decl.names_count = 0;
  return r;
}

void declare_procedure(string name, integer line, symbol *r)
{
  *r = declare_routine(name, line, sym_procedure);
}

void declare_function(string name, integer line, symbol *r)
{
  *r = declare_routine(name, line, sym_function);
  scope_allocate(scope_current(), 1);  /* the result, at displacement 0 */
}

void declare_params(boolean by_reference, typeid t)
{
  int scope = scope_current();
  symbol routine = scope_routine(scope);
  for (int i = 0; i < decl.names_count; i++) {
    const struct pending *p = &decl.names[i];
    if (by_reference && type_is_array(t)) {
      i_error_at(p->line, "'%s' cannot be a var parameter: arrays are passed by value",
                 p->name);
      by_reference = 0;
    }
    enum sym_kind kind = by_reference ? sym_var_param : sym_param;
    symbol s = sym_declare(p->name, p->line, kind, t);
    if (!s)
      s = sym_hidden(p->name, p->line, kind, t);
    struct sym *param = sym_change(s);
    param->level = scope_level(scope);
    param->dpl = scope_allocate(scope, by_reference ? 1 : segment_words(t));
    sym_add_parameter(routine, s);
  }
  decl.names_count = 0;
}

void set_result(symbol r, typeid t, integer line)
{
  if (t != tyError && !type_is_ordinal(t)) {
    i_error_at(line, "the result of the function '%s' must be integer, boolean or char, "
               "not %s", sym_get(r)->name, type_text(t));
    return;
  }
  sym_change(r)->type = t;
}

void close_routine(symbol r)
{
  (void)r;
  scope_close();
}

/* Types. */

void named_type(string name, integer line, typeid *t)
{
  const struct sym *s = sym_get(sym_find(name));
  *t = tyError;
  if (s->kind == sym_none)
    i_error_at(line, "'%s' is not declared", name);
  else if (s->kind != sym_type)
    i_error_at(line, "'%s' is not a type", name);
  else
    *t = s->type;
}

void begin_array(integer *mark)
{
  *mark = decl.ranges_count;
}

/* The bounds of a range: of one ordinal type, integer or char, and in
   order; a faulty range becomes a range of one integer. */
static struct range check_range(typeid low_type, int low, typeid high_type, int high, int line)
{
  struct range r = {tyInteger, low, low, line};
  if (low_type == tyError || high_type == tyError)
    return r;
  if (!type_same(low_type, high_type))
    i_error_at(line, "the bounds of an array range are %s and %s, not of one type",
               type_text(low_type), type_text(high_type));
  else if (low_type != tyInteger && low_type != tyChar)
    i_error_at(line, "the bounds of an array must be integers or characters, not %s",
               type_text(low_type));
  else if (low > high)
    i_error_at(line, "the lower bound %s of an array exceeds its upper bound %s",
               type_value_text(low_type, low), type_value_text(low_type, high));
  else {
    r.index = low_type;
    r.high = high;
  }
  return r;
}

void add_range(typeid low_type, integer low, typeid high_type, integer high, integer line)
{
  decl.ranges = pas_grow(decl.ranges, &decl.ranges_cap, decl.ranges_count + 1, sizeof *decl.ranges);
  decl.ranges[decl.ranges_count++] = check_range(low_type, low, high_type, high, line);
}

void make_array(integer mark, typeid element, typeid *t)
{
  *t = element;
  while (decl.ranges_count > mark && decl.ranges_count > 0) {
    const struct range *r = &decl.ranges[--decl.ranges_count];
    if (*t != tyError)
      *t = type_array(r->index, r->low, r->high, *t, r->line);
  }
}

/* Constants: an expression whose code has been folded into one ldcon. */

void constant_value(integer mark, typeid t, integer line, integer *value, typeid *ct)
{
  *value = 0;
  *ct = t;
  if (kam_mark() == mark + 1 && kam_last_is(KAM_LDCON, value)) {
    kam_drop_last();
  } else {
    if (t != tyError)
      i_error_at(line, "a constant is needed here, a value known before the program runs");
    *ct = tyError;
    kam_cut(mark);
  }
  kam_set_depth(0);
}
