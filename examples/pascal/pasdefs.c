/*
 * pasdefs.c - the conversion actions of the MiniPas scanner (passcan.inp).
 *
 * The scanner calls them while the token is the current one, with its
 * lexeme: a number becomes its value, and every attributed token keeps the
 * line it starts on, for messages about it that come after the parser has
 * read further.
 */
#include "pasdefs.h"

#include <limits.h>

#include "scanpars.h"

/* The value of the digits at the start of TEXT in BASE, read up to the
   first other character but not beyond LIMIT + 1 digits, which cannot
   overflow; *COUNT tells how many were read (strtoull and strlen would
   cost more than scanning the number). */
static unsigned long long digits_value(const char *text, unsigned base, size_t limit,
                                       size_t *count)
{
  unsigned long long value = 0;
  size_t n = 0;
  for (; n <= limit; n++) {
    const unsigned c = (unsigned char)text[n];
    unsigned digit = c - '0';
    if (digit > 9)
      digit = (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10 : base;
    if (digit >= base)
      break;
    value = value * base + digit;
  }
  *count = n;
  return value;
}

/* A decimal number, or a hexadecimal one behind a '$'. A KAM word holds 32
   bits: a hexadecimal number of up to eight digits gives its bit pattern
   ($FFFFFFFF is -1), a decimal number must not exceed maxint. */
integer to_number(string repr)
{
  const int hex = repr[0] == '$';
  const char *digits = hex ? repr + 1 : repr;
  while (*digits == '0' && digits[1] != '\0')
    digits++;
  const size_t limit = hex ? 8 : 10;
  size_t count;
  unsigned long long value = digits_value(digits, hex ? 16 : 10, limit, &count);
  const int too_long = count > limit;
  if (hex && (too_long || value > 0xFFFFFFFFull)) {
    i_error_at(i_token_line(), "the number %s has more than the 32 bits of a KAM word", repr);
    return 0;
  }
  if (!hex && (too_long || value > (unsigned long long)INT_MAX)) {
    i_error_at(i_token_line(), "the number %s is larger than maxint, %d", repr, INT_MAX);
    return 0;
  }
  return (integer)(int)(unsigned int)value;
}

integer token_line(string repr)
{
  (void)repr;
  return i_token_line();
}
