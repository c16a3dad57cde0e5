/*
 * passym.h - the names of a MiniPas program and the blocks they live in.
 *
 * Every block (the program, a procedure, a function) opens a scope with a
 * segment of its own: the program's segment has the number (static level)
 * 1, a routine declared in a block of level n has level n + 1, up to the 15
 * levels of KAM's display.  A variable or parameter lives at a displacement
 * in the segment of its block; an array variable or parameter has its
 * descriptor there, and its elements follow the segment's fixed part.
 * A name is found in the innermost scope that declares it.  Scope 0 holds
 * the predefined names.
 */
#ifndef passym_h
#define passym_h

#include "pastypes.h"

enum sym_kind {
  sym_none, sym_const, sym_type, sym_var, sym_param, sym_var_param, sym_procedure,
  sym_function
};

struct sym {
  const char *name;
  int line;
  enum sym_kind kind;
  typeid type;        /* of a value; of a function's result */
  int level, dpl;     /* variables and parameters: segment number and displacement */
  int value;          /* constants: the value (strings: the string's number) */
  label entry;        /* routines: the first instruction */
  int segment_kind;   /* routines: the entry of the length table */
  int first_param, params;
  int scope;          /* routines: the scope of their block */
  int home;           /* the scope that declares it */
};

void symbols_reset(void);

/* The symbol, or a neutral one (kind sym_none) for 0 and unknown handles. */
const struct sym *sym_get(symbol s);
struct sym *sym_change(symbol s);

/* Enters NAME into the current scope; reports a name declared there
   already and returns 0 then. */
symbol sym_declare(const char *name, int line, enum sym_kind kind, typeid type);
/* A symbol that no name finds: the stand-in for a routine or parameter
   whose name was declared twice, so that its block still compiles. */
symbol sym_hidden(const char *name, int line, enum sym_kind kind, typeid type);
/* The innermost declaration of NAME, or 0. */
symbol sym_find(const char *name);

/* The parameters of routine R in order. */
symbol sym_parameter(symbol r, int i);
void sym_add_parameter(symbol r, symbol param);

/* Scopes. A block's words are its fixed part: the displacements given
   out so far. */
int scope_open(int level, symbol routine, int segment_kind);
void scope_close(void);
int scope_current(void);
int scope_level(int scope);
symbol scope_routine(int scope);
int scope_segment_kind(int scope);
int scope_words(int scope);
/* Words of the fixed part for a new variable; returns its displacement. */
int scope_allocate(int scope, int words);
/* A word for a value the compiler keeps (a for loop's limit), taken back
   by scope_free_temp for reuse. */
int scope_temp(int scope);
void scope_free_temp(int scope, int dpl);
/* The three words of SCOPE's row descriptor (through which parts of its
   arrays move), taken from its fixed part when first asked for. */
int scope_row_descriptor(int scope);
/* Whether SCOPE is open: its routine's body is being compiled. */
int scope_is_open(int scope);
/* The symbols declared in SCOPE, in order: the first, then the next. */
symbol scope_first_symbol(int scope);
symbol sym_next_in_scope(symbol s);

#endif
