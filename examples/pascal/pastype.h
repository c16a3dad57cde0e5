/*
 * pastype.h - the types of MiniPas programs.
 *
 * The first entries are the predefined types of pastypes.h (the error
 * type, integer, boolean, char, and the type of string literals); every
 * array type written in the program adds one entry per dimension, since
 * array [1..3, 0..9] of T is array [1..3] of array [0..9] of T.  Two array
 * types are the same when their bounds and element types are.  Every value
 * of a scalar type takes one KAM word.
 */
#ifndef pastype_h
#define pastype_h

#include "pastypes.h"

enum type_kind { kind_error, kind_integer, kind_boolean, kind_char, kind_string, kind_array };

/* The most elements an array may have. */
enum { type_max_elements = 1 << 24 };

void types_reset(void);

/* array [LOW..HIGH] of ELEMENT, indexed by INDEX (integer or char); the
   error type when it would be too large (reported at LINE). */
typeid type_array(typeid index, int low, int high, typeid element, int line);

enum type_kind type_kind(typeid t);
int type_is_array(typeid t);
int type_is_ordinal(typeid t);     /* integer, boolean or char */
int type_same(typeid a, typeid b);

/* Of an array type: the index type, bounds, element type, the number of
   dimensions down to a scalar element, and the elements in all of them. */
typeid type_index(typeid t);
int type_low(typeid t);
int type_high(typeid t);
typeid type_element(typeid t);
int type_dims(typeid t);
int type_words(typeid t);

/* A value of the ordinal type T as the program writes it: a number, or
   a character in quotes; in a buffer of its own for a few calls. */
const char *type_value_text(typeid t, int value);

/* The type as a message shows it; each call has a buffer of its own for
   a few calls, so that one message may name two types. */
const char *type_text(typeid t);

#endif
