/*
 * kamcode.h - the instructions of the KAM program being compiled.
 *
 * The compiler emits instructions one by one while it reads the source.
 * The emitter keeps them in memory until the end, so that it can give
 * labels their final numbers, set a piece of code aside and emit it later
 * (an index computed before the value it selects, a loop condition moved
 * behind the loop body), fold constants, and follow how many words the
 * evaluation stack holds.  Every instruction remembers the source line it
 * was emitted at, so that a program that needs more instructions or labels
 * than a KAM code file may hold is reported where it crosses the limit.
 */
#ifndef kamcode_h
#define kamcode_h

#include <stdio.h>

#include "pastypes.h"

/* The opcodes in the order of the KAM instruction table. */
enum kam_op {
  KAM_ABS, KAM_ADD, KAM_AND, KAM_CALL, KAM_CRSEG, KAM_DESCR, KAM_DLSEG, KAM_DVI, KAM_EQ,
  KAM_EQN, KAM_GE, KAM_GT, KAM_HALT, KAM_JIFF, KAM_JIFT, KAM_JUMP, KAM_LDCON, KAM_LDIND,
  KAM_LDNVAR, KAM_LDVAR, KAM_LDXVAR, KAM_LE, KAM_LT, KAM_MDL, KAM_MUL, KAM_NE, KAM_NEG,
  KAM_NEN, KAM_NOOP, KAM_NOT, KAM_OR, KAM_POP, KAM_POPN, KAM_RDBOOL, KAM_RDCHAR, KAM_RDINT,
  KAM_RDSTRING, KAM_RETURN, KAM_STIND, KAM_STNVAR, KAM_STVAR, KAM_STXVAR, KAM_SUB, KAM_SWAP,
  KAM_VARADDR, KAM_WRBOOL, KAM_WRCHAR, KAM_WRINT, KAM_WRSTRING, KAM_XVARADDR
};

/* What a KAM code file and the KAM machine hold. */
enum {
  kam_max_instructions = 1000,
  kam_max_labels = 250,
  kam_stack_words = 100,
  kam_max_level = 15
};

void kam_code_reset(void);

/* An instruction whose effect on the stack the table knows; the operand of
   a jump or call is a label of kam_new_label. */
void kam_emit(enum kam_op op, int a, int b);
/* An instruction whose effect depends on its operands or on the words
   below it (indexing, multi-word moves, descriptors, calls): the caller
   says how many words it adds (negative: removes). */
void kam_emit_words(enum kam_op op, int a, int b, int c, int effect);

/* The position of the next instruction. */
int kam_mark(void);
int kam_instruction_count(void);

/* Words on the evaluation stack at this point of the code, as far as the
   current routine is concerned. */
int kam_depth(void);
void kam_set_depth(int words);

label kam_new_label(void);
/* The label names the next instruction emitted. */
void kam_place_label(label l);

/* Takes the instructions from MARK on out of the code, to be emitted again
   by kam_paste; none of them may carry a label. */
piece kam_cut(int mark);
void kam_paste(piece p);

/* The last instruction, when it is OP and no label names what follows it,
   so that it may be changed (a label on it names the start of what it
   ends, and stays); its first operand goes to *A. */
int kam_last_is(enum kam_op op, int *a);
/* The last two instructions, when both are ldcon and free to change. */
int kam_last_constants(int *a, int *b);
/* Removes or replaces that last instruction. */
void kam_drop_last(void);
void kam_change_last(enum kam_op op, int a, int b);

/* A comment line written before the next instruction. */
void kam_note(const char *text);

/* Reports a program beyond the limits of instructions and labels. */
void kam_check_limits(void);

/* Writes the instructions (the first section of a KAM code file). */
void kam_write_code(FILE *out);

#endif
