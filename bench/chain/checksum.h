/*
 * checksum.h - what the scanners of the benchmark deliver, summed up, so
 * that the run can check that the ZEDRA, flex and re2c scanners found the
 * same tokens with the same attributes: the number of tokens (without the
 * end of the input), of each attributed kind, the sums of the lines and
 * values, and a hash of the spellings and character codes.
 */
#ifndef checksum_h
#define checksum_h

#include <stdio.h>

struct checksum {
  long tokens, names, numbers, strings, characters;
  long long line_sum, value_sum;
  unsigned long hash;
};

static inline void checksum_text(struct checksum *sum, const char *text)
{
  unsigned long hash = sum->hash;
  for (; *text; text++)
    hash = (hash ^ (unsigned char)*text) * 16777619ul & 0xfffffffful;
  sum->hash = (hash ^ 0xff) * 16777619ul & 0xfffffffful;
}

static inline void checksum_name(struct checksum *sum, const char *spelling, int line)
{
  sum->names++;
  sum->line_sum += line;
  checksum_text(sum, spelling);
}

static inline void checksum_number(struct checksum *sum, long value, int line)
{
  sum->numbers++;
  sum->line_sum += line;
  sum->value_sum += value;
}

static inline void checksum_string(struct checksum *sum, const char *spelling, int line)
{
  sum->strings++;
  sum->line_sum += line;
  checksum_text(sum, spelling);
}

static inline void checksum_character(struct checksum *sum, int code, int line)
{
  sum->characters++;
  sum->line_sum += line;
  sum->hash = (sum->hash ^ (unsigned char)code) * 16777619ul & 0xfffffffful;
}

static inline void checksum_print(const struct checksum *sum)
{
  printf("tokens %ld, names %ld, numbers %ld, strings %ld, characters %ld, "
         "line sum %lld, value sum %lld, hash %08lx\n",
         sum->tokens, sum->names, sum->numbers, sum->strings, sum->characters,
         sum->line_sum, sum->value_sum, sum->hash);
}

#endif
