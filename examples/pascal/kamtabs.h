/*
 * kamtabs.h - the length table and the string table of the KAM program
 * being compiled.
 *
 * Every block (the program, each procedure and function) is a kind of
 * segment with an entry in the length table: crseg creates a segment of the
 * length found there.  String constants are numbered in the string table
 * in the order they are first used; a string used twice is kept once.  Both
 * tables report, once each, a program that needs more entries than a KAM
 * code file may hold.
 */
#ifndef kamtabs_h
#define kamtabs_h

#include <stdio.h>

enum {
  kam_max_segment_kinds = 249,  /* length table entries 1 .. 249 */
  kam_max_strings = 199,        /* string numbers 1 .. 199 */
  kam_max_string_length = 100   /* characters of a string line's text */
};

void kam_tables_reset(void);

/* A new entry of the length table, reported at LINE when the table is
   full; its index (a number beyond the limit then). */
int kam_new_segment_kind(int line);
void kam_set_segment_words(int kind, int words);
int kam_segment_kind_count(void);

/* The number of TEXT in the string table, entered when new; LINE is where
   the string stands in the source. */
int kam_string(const char *text, int line);
int kam_string_count(void);

/* Writes the second and third sections of a KAM code file. */
void kam_write_tables(FILE *out);

#endif
