/*
 * passtmt.c - the actions of statements.
 *
 * Control flow uses labels and jumps:
 *
 *   if c then s1 else s2   c; jiff L1; s1; jump L2; L1: s2; L2:
 *   while c do s           jump L2; L1: s; L2: c; jift L1
 *   repeat s until c       L1: s; c; jiff L1
 *   for v := a to b do s   a; b; stvar limit; stvar v; ldvar v; ldvar limit;
 *                          gt; jift L3; jump L2;
 *                          L1: ldvar v; ldcon 1; add; stvar v;
 *                          L2: s; ldvar v; ldvar limit; lt; jift L1; L3:
 *
 * A while loop tests its condition at the bottom, so its code is read
 * first and emitted after the body.  A for loop keeps its limit in a word
 * of the segment (or as the constant it is) and never counts past it, so
 * that a loop up to maxint ends.  A not before a conditional jump turns the
 * jump around.
 */
#include <stdlib.h>
#include <string.h>

#include "pastypes.h"
#include "pasacts.h"
#include "kamcode.h"
#include "pasaccess.h"
#include "passtmt.h"
#include "passym.h"
#include "pastype.h"

struct forrec {
  int level, dpl;     /* the control variable */
  typeid type;
  int down;
  int mark;           /* where the code of the limit begins */
  int constant, limit;  /* a constant limit, else the word holding it */
  int scope;
  label top, body, done;
  int quiet;
};

static struct {
  struct forrec *list;
  int count, cap;
} loops;

void statements_reset(void)
{
  free(loops.list);
  memset(&loops, 0, sizeof loops);
}

/* Assignments, reading, calls. */

void begin_target(symbol s, integer line, varref *a)
{
  *a = access_begin(s, line, 1);
}

void target_value(varref a)
{
  access_before_value(a);
}

void assign(varref a, typeid t)
{
  access_store(a, t);
  kam_set_depth(0);
}

void read_value(varref a)
{
  access_read(a);
  kam_set_depth(0);
}

/* read or readln without variables: the input line is read and dropped. */
void skip_line(void)
{
  kam_emit(KAM_RDCHAR, 0, 0);
  kam_emit(KAM_POP, 0, 0);
}

/* Writing: every value on a line of its own. */

void write_value(typeid t)
{
  static const enum kam_op write_op[] = {KAM_NOOP, KAM_WRINT, KAM_WRBOOL, KAM_WRCHAR,
                                         KAM_WRSTRING};
  if (t == tyError)
    return;
  if (type_is_array(t)) {
    i_error_at(i_token_line(), "an array cannot be written, only its elements");
    return;
  }
  kam_emit(write_op[type_kind(t)], 0, 0);
  kam_emit(KAM_POP, 0, 0);
}

void write_nothing(void)
{
  i_warning_at(i_token_line(), "write without values writes nothing: KAM ends every value "
               "it writes with a line end");
}

/* Labels and conditions. */

void new_label(label *l)
{
  *l = kam_new_label();
}

void place_label(label l)
{
  kam_place_label(l);
}

void emit_jump(label l)
{
  kam_emit(KAM_JUMP, l, 0);
}

/* A condition must be a boolean; reported at the token after it. */
static void check_condition(typeid t)
{
  if (t != tyError && t != tyBoolean)
    i_error_at(i_token_line(), "a condition must be a boolean, not %s", type_text(t));
}

/* Jumps to L when the condition on the stack is WHEN. */
static void jump_if(int when, label l)
{
  if (kam_last_is(KAM_NOT, NULL)) {
    kam_drop_last();
    when = !when;
  }
  kam_emit(when ? KAM_JIFT : KAM_JIFF, l, 0);
  kam_set_depth(0);
}

void jump_if_false(typeid t, label l)
{
  check_condition(t);
  jump_if(0, l);
}

void code_mark(integer *mark)
{
  *mark = kam_mark();
}

void end_condition(integer mark, typeid t, piece *p)
{
  check_condition(t);
  *p = kam_cut(mark);
}

void paste_condition(piece p, label l)
{
  kam_paste(p);
  jump_if(1, l);
}

/* For loops. */

static struct forrec *get(loopref f)
{
  static struct forrec none;
  if (f >= 1 && f <= loops.count)
    return &loops.list[f - 1];
  memset(&none, 0, sizeof none);
  none.quiet = 1;
  return &none;
}

/* The control variable: a variable or value parameter of an ordinal type. */
static int control_variable(struct forrec *f, const char *name, int line)
{
  const struct sym *s = sym_get(sym_find(name));
  if (s->kind == sym_none)
    i_error_at(line, "'%s' is not declared", name);
  else if ((s->kind != sym_var && s->kind != sym_param) || !type_is_ordinal(s->type))
    i_error_at(line, "the control variable '%s' must be a variable of type integer, boolean "
               "or char (not a var parameter)", name);
  else {
    f->level = s->level;
    f->dpl = s->dpl;
    f->type = s->type;
    return 1;
  }
  return 0;
}

void begin_for(string name, integer line, loopref *f)
{
  if (loops.count == loops.cap) {
    loops.cap = loops.cap ? 2 * loops.cap : 16;
    loops.list = realloc(loops.list, (size_t)loops.cap * sizeof *loops.list);
    if (!loops.list)
      i_report(i_ENOMEM, __LINE__, __FILE__);
  }
  struct forrec *loop = &loops.list[loops.count++];
  memset(loop, 0, sizeof *loop);
  loop->quiet = !control_variable(loop, name, line);
  loop->top = kam_new_label();
  loop->body = kam_new_label();
  loop->done = kam_new_label();
  *f = loops.count;
}

static void check_bound(const struct forrec *f, typeid t, const char *what)
{
  if (!f->quiet && t != tyError && !type_same(t, f->type))
    i_error_at(i_token_line(), "the %s value of a for loop over %s is %s", what,
               type_text(f->type), type_text(t));
}

void for_start(loopref f, typeid t)
{
  check_bound(get(f), t, "start");
}

void for_direction(loopref f, boolean down)
{
  get(f)->down = down;
  get(f)->mark = kam_mark();
}

static void load_limit(const struct forrec *f)
{
  if (f->constant)
    kam_emit(KAM_LDCON, f->limit, 0);
  else
    kam_emit(KAM_LDVAR, scope_level(f->scope), f->limit);
}

/* Compares the control variable with the limit and jumps to L when OP
   holds. */
static void test_limit(const struct forrec *f, enum kam_op op, label l)
{
  kam_emit(KAM_LDVAR, f->level, f->dpl);
  load_limit(f);
  kam_emit(op, 0, 0);
  kam_emit(KAM_JIFT, l, 0);
}

void for_limit(loopref ref, typeid t)
{
  struct forrec *f = get(ref);
  check_bound(f, t, "final");
  f->scope = scope_current();
  if (kam_mark() - f->mark == 1 && kam_last_is(KAM_LDCON, &f->limit)) {
    f->constant = 1;
    kam_drop_last();
  } else {
    f->limit = scope_temp(f->scope);
    kam_emit(KAM_STVAR, scope_level(f->scope), f->limit);
  }
  kam_emit(KAM_STVAR, f->level, f->dpl);
  test_limit(f, f->down ? KAM_LT : KAM_GT, f->done);
  kam_emit(KAM_JUMP, f->body, 0);
  kam_place_label(f->top);
  kam_emit(KAM_LDVAR, f->level, f->dpl);
  kam_emit(KAM_LDCON, 1, 0);
  kam_emit(f->down ? KAM_SUB : KAM_ADD, 0, 0);
  kam_emit(KAM_STVAR, f->level, f->dpl);
  kam_place_label(f->body);
  kam_set_depth(0);
}

void end_for(loopref ref)
{
  struct forrec *f = get(ref);
  test_limit(f, f->down ? KAM_GT : KAM_LT, f->top);
  kam_place_label(f->done);
  if (!f->constant)
    scope_free_temp(f->scope, f->limit);
  kam_set_depth(0);
}
