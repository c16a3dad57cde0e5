/*
 * listing.h - the numbered listing of the flex and re2c scanners of the
 * benchmark: the input, as it is read block by block, echoed into big.lst
 * with "%3d " and the number in front of every line, as every ZEDRA front
 * end writes it. The text goes through a buffer of its own and leaves in
 * large writes, as the ZEDRA runtime's does.
 */
#ifndef listing_h
#define listing_h

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static struct {
  FILE *file;
  long line;
  int in_line;                          /* the current line has its number */
  size_t used;
  char buf[1 << 16];
} listing;

static void listing_flush(void)
{
  if (listing.file && listing.used)
    fwrite(listing.buf, 1, listing.used, listing.file);
  listing.used = 0;
}

static void listing_close(void)
{
  listing_flush();
  if (listing.file)
    fclose(listing.file);
  listing.file = NULL;
}

static void listing_put(const char *text, size_t n)
{
  if (listing.used + n > sizeof listing.buf) {
    listing_flush();
    if (n > sizeof listing.buf) {
      fwrite(text, 1, n, listing.file);
      return;
    }
  }
  memcpy(listing.buf + listing.used, text, n);
  listing.used += n;
}

/* "%3ld " with the next line number, by hand (printf would cost more than
   the scan). */
static void listing_number(void)
{
  char number[24];
  int at = (int)sizeof number;
  number[--at] = ' ';
  long value = ++listing.line;
  do
    number[--at] = (char)('0' + value % 10);
  while ((value /= 10) > 0);
  while (at > (int)sizeof number - 4)
    number[--at] = ' ';
  listing_put(number + at, sizeof number - (size_t)at);
}

/* Echoes N characters of TEXT, the next ones of the input. */
static void listing_echo(const char *text, size_t n)
{
  if (!listing.file) {
    if (!(listing.file = fopen("big.lst", "w"))) {
      perror("big.lst");
      exit(1);
    }
    atexit(listing_close);
  }
  while (n > 0) {
    if (!listing.in_line) {
      listing_number();
      listing.in_line = 1;
    }
    const char *newline = memchr(text, '\n', n);
    size_t k = newline ? (size_t)(newline - text) + 1 : n;
    listing_put(text, k);
    if (newline)
      listing.in_line = 0;
    text += k;
    n -= k;
  }
}

#endif
