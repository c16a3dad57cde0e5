/* What the flex scanners of the sgen differential test call from their
   actions (flex_support.c), and the table of keywords that each one
   defines. */
#ifndef flex_support_h
#define flex_support_h

struct keyword {
  const char *text, *terminal;
};
extern const struct keyword keywords[];

/* Prints the token TERMINAL with the lexeme TEXT. */
void emit(const char *terminal, const char *text);
/* When KEY is a keyword, prints its token with the lexeme TEXT; returns
   whether it was. */
int emit_keyword(const char *key, const char *text);
/* The conversion named NAME (get_repr, convert_to_lower, convert_to_upper,
   delete_spaces) of TEXT, in a static buffer. */
const char *convert(const char *name, const char *text);
/* Prints "error"; the action returns its result, 0, so that the scanner
   stops there. */
int fail(void);

#endif
