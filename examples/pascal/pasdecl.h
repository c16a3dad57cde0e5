/*
 * pasdecl.h - what the declaration actions (pasdecl.c) offer the other
 * modules of the compiler.
 */
#ifndef pasdecl_h
#define pasdecl_h

/* Forgets the pending names and ranges of a previous compilation and
   declares the predefined names. */
void declarations_start(void);

/* The number of the string literal TEXT (written at LINE) in the string
   table: a KAM string holds at least one character and cannot say where
   a backslash stands for itself. */
int string_literal(const char *text, int line);

#endif
