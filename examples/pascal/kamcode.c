/*
 * kamcode.c - the instructions of the KAM program being compiled (see
 * kamcode.h).
 *
 * Labels are numbered only when the code is written: a label that lands on
 * an instruction that carries one already becomes another name of it (a
 * KAM line holds one label), and the labels that a jump or call goes to are
 * then numbered 1, 2, ... in the order of their instructions.
 */
#include "kamcode.h"

#include <stdlib.h>
#include <string.h>

#include "scanpars.h"
#include "pasgrow.h"

struct instruction {
  enum kam_op op;
  int arg[3];
  int effect;         /* words the instruction adds to the stack */
  int line;           /* the source line it was emitted at */
};

struct note {
  int pos;            /* the instruction it stands before */
  char *text;
};

struct piece_record {
  struct instruction *code;
  int count;
};

/* Effects of the instructions with a fixed one; "varies" marks the others. */
enum { varies = 99 };
static const struct {
  const char *name;
  int operands;
  int effect;
} op_table[] = {
  {"abs_", 0, 0},      {"add", 0, -1},      {"and", 0, -1},      {"call", 1, varies},
  {"crseg", 2, 0},     {"descr", 3, varies}, {"dlseg", 0, 0},    {"dvi", 0, -1},
  {"eq", 0, -1},       {"eqn", 2, varies},  {"ge", 0, -1},       {"gt", 0, -1},
  {"halt", 0, 0},      {"jiff", 1, -1},     {"jift", 1, -1},     {"jump", 1, 0},
  {"ldcon", 1, 1},     {"ldind", 0, 1},     {"ldnvar", 2, varies}, {"ldvar", 2, 1},
  {"ldxvar", 2, varies}, {"le", 0, -1},     {"lt", 0, -1},       {"mdl", 0, -1},
  {"mul", 0, -1},      {"ne", 0, -1},       {"neg", 0, 0},       {"nen", 2, varies},
  {"noop", 0, 0},      {"not", 0, 0},       {"or", 0, -1},       {"pop", 0, -1},
  {"popn", 2, varies}, {"rdbool", 0, 1},    {"rdchar", 0, 1},    {"rdint", 0, 1},
  {"rdstring", 0, 1},  {"return_", 0, 0},   {"stind", 0, -1},    {"stnvar", 2, varies},
  {"stvar", 2, -1},    {"stxvar", 2, varies}, {"sub", 0, -1},    {"swap", 0, 0},
  {"varaddr", 2, 1},   {"wrbool", 0, 0},    {"wrchar", 0, 0},    {"wrint", 0, 0},
  {"wrstring", 0, 0},  {"xvaraddr", 2, varies},
};

static struct {
  struct instruction *code;
  label *label_at;    /* per position (0 .. cap): the label it carries, or 0 */
  struct note *notes; /* comment lines, by position */
  int note_count, note_cap;
  int count, cap;
  int depth;
  int *label_pos;     /* per label: its position, -1 while not placed */
  label *alias;       /* per label: the label it is another name of */
  int labels, label_cap;
  int label_line;     /* the line of the first label beyond the limit */
  struct piece_record *pieces;
  int piece_count, piece_cap;
} kc;

void kam_code_reset(void)
{
  for (int i = 0; i < kc.note_count; i++)
    free(kc.notes[i].text);
  for (int i = 0; i < kc.piece_count; i++)
    free(kc.pieces[i].code);
  free(kc.code);
  free(kc.label_at);
  free(kc.notes);
  free(kc.label_pos);
  free(kc.alias);
  free(kc.pieces);
  memset(&kc, 0, sizeof kc);
}

/* Room for instruction number COUNT and the label position after it. */
static void make_room(int count)
{
  if (count + 1 <= kc.cap)
    return;
  int old = kc.cap;
  kc.code = pas_grow(kc.code, &kc.cap, count + 1, sizeof *kc.code);
  /* label_at has an entry more: the position behind the last. */
  kc.label_at = realloc(kc.label_at, (size_t)(kc.cap + 1) * sizeof *kc.label_at);
  if (!kc.label_at)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  int first_new = old ? old + 1 : 0;
  for (int pos = first_new; pos <= kc.cap; pos++)
    kc.label_at[pos] = 0;
}

/* Every push is counted here, so this is where code that needs more than
   the evaluation stack is caught: the checks of the constructs see the
   words of an array, not the few that go with them (the offset of a store,
   the count of a comparison, the bounds of a descriptor). */
static void append(struct instruction instruction)
{
  make_room(kc.count + 1);
  kc.code[kc.count++] = instruction;
  int before = kc.depth;
  kc.depth += instruction.effect;
  if (before <= kam_stack_words && kc.depth > kam_stack_words)
    i_error_at(instruction.line, "the code here needs %d words of KAM's evaluation stack of %d words",
               kc.depth, kam_stack_words);
}

void kam_emit_words(enum kam_op op, int a, int b, int c, int effect)
{
  struct instruction instruction = {op, {a, b, c}, effect, i_token_line()};
  append(instruction);
}

void kam_emit(enum kam_op op, int a, int b)
{
  int effect = op_table[op].effect;
  kam_emit_words(op, a, b, 0, effect == varies ? 0 : effect);
}

int kam_mark(void)
{
  return kc.count;
}

int kam_instruction_count(void)
{
  return kc.count;
}

int kam_depth(void)
{
  return kc.depth;
}

void kam_set_depth(int words)
{
  kc.depth = words;
}

label kam_new_label(void)
{
  if (kc.labels + 2 > kc.label_cap) {
    kc.label_pos = pas_grow(kc.label_pos, &kc.label_cap, kc.labels + 2, sizeof *kc.label_pos);
    kc.alias = realloc(kc.alias, (size_t)kc.label_cap * sizeof *kc.alias);
    if (!kc.alias)
      i_report(i_ENOMEM, __LINE__, __FILE__);
  }
  label l = ++kc.labels;
  kc.label_pos[l] = -1;
  kc.alias[l] = l;
  return l;
}

/* The label that L is another name of. */
static label root(label l)
{
  while (kc.alias[l] != l)
    l = kc.alias[l];
  return l;
}

static int is_label(label l)
{
  return l >= 1 && l <= kc.labels;
}

/* Puts L on the instruction at POS, or makes it a name of the label there. */
static void put_label(label l, int pos)
{
  make_room(pos);
  if (kc.label_at[pos]) {
    kc.alias[l] = kc.label_at[pos];
    return;
  }
  kc.label_at[pos] = l;
  kc.label_pos[l] = pos;
}

void kam_place_label(label l)
{
  /* A label is placed once; error recovery may replay a placement. */
  if (!is_label(l) || kc.label_pos[l] >= 0 || kc.alias[l] != l)
    return;
  put_label(l, kc.count);
}

piece kam_cut(int mark)
{
  if (mark < 0 || mark > kc.count)
    mark = kc.count;
  make_room(kc.count);
  kc.pieces = pas_grow(kc.pieces, &kc.piece_cap, kc.piece_count + 1, sizeof *kc.pieces);
  struct piece_record *p = &kc.pieces[kc.piece_count];
  p->count = kc.count - mark;
  p->code = malloc((size_t)(p->count + 1) * sizeof *p->code);
  if (!p->code)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  for (int i = 0; i < p->count; i++) {
    p->code[i] = kc.code[mark + i];
    kc.depth -= p->code[i].effect;
  }
  kc.count = mark;
  /* A label behind the cut instructions now names what follows the mark. */
  label pending = kc.label_at[mark + p->count];
  if (p->count > 0 && pending) {
    kc.label_at[mark + p->count] = 0;
    put_label(pending, mark);
  }
  return ++kc.piece_count;
}

void kam_paste(piece p)
{
  if (p < 1 || p > kc.piece_count)
    return;
  struct piece_record *record = &kc.pieces[p - 1];
  for (int i = 0; i < record->count; i++)
    append(record->code[i]);
  record->count = 0;  /* a piece is emitted once */
}

/* The last instruction may change while no label names what follows it:
   a label on it names the start of the construct it ends, which stays. */
static int last_is_free(void)
{
  return kc.count > 0 && !kc.label_at[kc.count];
}

int kam_last_is(enum kam_op op, int *a)
{
  if (!last_is_free() || kc.code[kc.count - 1].op != op)
    return 0;
  if (a)
    *a = kc.code[kc.count - 1].arg[0];
  return 1;
}

int kam_last_constants(int *a, int *b)
{
  if (!kam_last_is(KAM_LDCON, b) || kc.count < 2 || kc.code[kc.count - 2].op != KAM_LDCON)
    return 0;
  *a = kc.code[kc.count - 2].arg[0];
  return 1;
}

void kam_drop_last(void)
{
  if (kc.count == 0)
    return;
  kc.count--;
  kc.depth -= kc.code[kc.count].effect;
  /* A note or label on it stays with its position: the next instruction. */
}

void kam_change_last(enum kam_op op, int a, int b)
{
  if (kc.count == 0)
    return;
  struct instruction *last = &kc.code[kc.count - 1];
  if (op_table[op].effect != varies) {
    kc.depth += op_table[op].effect - last->effect;
    last->effect = op_table[op].effect;
  }
  last->op = op;
  last->arg[0] = a;
  last->arg[1] = b;
}

void kam_note(const char *text)
{
  kc.notes = pas_grow(kc.notes, &kc.note_cap, kc.note_count + 1, sizeof *kc.notes);
  struct note *note = &kc.notes[kc.note_count++];
  note->pos = kc.count;
  note->text = malloc(strlen(text) + 1);
  if (!note->text)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  strcpy(note->text, text);
}

static int takes_label(enum kam_op op)
{
  return op == KAM_CALL || op == KAM_JUMP || op == KAM_JIFF || op == KAM_JIFT;
}

/* For every label, whether a jump or call goes there. */
static char *referenced_labels(void)
{
  char *referenced = calloc((size_t)kc.labels + 1, 1);
  if (!referenced)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  for (int pos = 0; pos < kc.count; pos++)
    if (takes_label(kc.code[pos].op) && is_label(kc.code[pos].arg[0]))
      referenced[root(kc.code[pos].arg[0])] = 1;
  return referenced;
}

/* Numbers the labels that the code goes to, in the order of their
   instructions; a label's number is then number[root(label)], 0 for a
   label nothing goes to. */
static int *number_labels(int *count)
{
  char *referenced = referenced_labels();
  int *number = calloc((size_t)kc.labels + 1, sizeof *number);
  if (!number)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  *count = 0;
  for (int pos = 0; pos < kc.count; pos++) {
    label l = kc.label_at[pos];
    if (l && referenced[l]) {
      number[l] = ++*count;
      if (*count == kam_max_labels + 1)
        kc.label_line = kc.code[pos].line;
    }
  }
  free(referenced);
  return number;
}

void kam_check_limits(void)
{
  if (kc.count > kam_max_instructions)
    i_error_at(kc.code[kam_max_instructions].line, "the program needs %d KAM instructions, "
               "more than the %d a KAM code file holds", kc.count, kam_max_instructions);
  int labels;
  free(number_labels(&labels));
  if (labels > kam_max_labels)
    i_error_at(kc.label_line, "the program needs %d KAM labels, more than the %d a KAM code "
               "file holds", labels, kam_max_labels);
}

void kam_write_code(FILE *out)
{
  int labels;
  int *number = number_labels(&labels);
  int note = 0;
  for (int pos = 0; pos < kc.count; pos++) {
    const struct instruction *in = &kc.code[pos];
    for (; note < kc.note_count && kc.notes[note].pos <= pos; note++)
      fprintf(out, "# %s\n", kc.notes[note].text);
    if (kc.label_at[pos] && number[kc.label_at[pos]])
      fprintf(out, "%d: ", number[kc.label_at[pos]]);
    fputs(op_table[in->op].name, out);
    for (int i = 0; i < op_table[in->op].operands; i++) {
      int arg = in->arg[i];
      if (takes_label(in->op))
        arg = is_label(arg) ? number[root(arg)] : 0;
      fprintf(out, " %d", arg);
    }
    fputc('\n', out);
  }
  free(number);
}
