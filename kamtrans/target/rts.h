/*
 * rts.h - run-time support of programs translated by k2c (and the core of
 * the support library of k2s programs).
 *
 * It holds the KAM machine apart from its instruction loop: the evaluation
 * stack, the return stack of jump buffers, the display and the address space
 * of segments, array descriptors and indexing, and the read and write
 * routines.  Every check reports as the interpreter does ("KAM error: ..."
 * on standard error) and ends the program with exit status 2.
 *
 * Arithmetic never overflows in C: pop() delivers a wide value, so the sum,
 * difference and product of two words are exact, and push() wraps the result
 * around to 32 bits as the machine does.
 *
 * Include it once per program, before the string table, which defines
 * StringTab (the name can be changed with RTS_STRING_TABLE). The program's
 * main becomes a frame around the program's body that gives the body a
 * local stack pointer (see "The program frame" below); other files that
 * include this header define RTS_NO_PROGRAM_FRAME first.
 */
#ifndef zedra_rts_h
#define zedra_rts_h

#include <ctype.h>
#include <errno.h>
#include <limits.h>
#include <setjmp.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifndef RTS_STRING_TABLE
#define RTS_STRING_TABLE StringTab
#endif
extern char *RTS_STRING_TABLE[];

/* A word on its way through an expression: wide enough for exact results. */
typedef long long rts_value;

enum {
  rts_stack_size = 100,
  rts_max_level = 15,
  rts_header_words = 4,
  rts_string_limit = 200
};

/* The largest address space, in words. */
#define RTS_MEMORY_LIMIT ((int64_t)1 << 26)

/* Offsets of the header words below a segment's first data word. */
enum { rts_hdr_sn = 4, rts_hdr_length = 3, rts_hdr_stat = 2, rts_hdr_dyn = 1 };

/* The machine's state. The stack pointer, the display and the tables
   below have types of their own, different from the words of the address
   space, so that the compiler knows a store into a variable leaves them
   alone and can keep them in registers. The stack holds 32-bit words like
   the address space: a value then travels from a variable over the stack
   and back as a 32-bit register, and the wrap-around of push costs nothing. */
static int32_t rts_stack[rts_stack_size];
/* The number of words on the stack. The body of a translated program has a
   local of the same name (see the program frame below), which push and pop
   use there instead of this one. */
static long rts_sp;
static int32_t *rts_mem;                /* the address space */
static long rts_size, rts_capacity;
static long rts_display[rts_max_level + 1];
static long rts_csn;
/* For each level, the first data word of its segment and the number of
   words from there that an access may reach (0 when every access fails a
   check): a variable access is one unsigned comparison and an indexed load
   from a base the compiler can keep, and accesses at different
   displacements of one level visibly reach different words. Refreshed
   whenever a header word or the display may have changed. A display entry
   left behind by a deleted segment may take a data word for its length,
   which a store may then change: rts_watched_store keeps the limits up to
   date at such stores. */
static int32_t *rts_base[rts_max_level + 1];
static unsigned long rts_limit[rts_max_level + 1];
/* The length words a store may reach, in ascending order, with the level
   of each; the unused slots hold LONG_MAX, so that a search of all slots
   needs no count. There is a slot for every level. */
enum { rts_watch_slots = 16 };
static long rts_watched[rts_watch_slots];
static int rts_watched_level[rts_watch_slots];
/* The highest current level so far: no display entry above it was ever
   set, so there the entries are 0, with no base and limits of 0, and no
   refresh visits them. */
static int rts_top_level;
/* Whether the limits of some level depend on the end of the address space:
   its display entry lies at or beyond the end, or its length reaches past
   it. Without such a level, a segment added at the end changes the limits
   of its own level alone. */
static int rts_end_bound;

static struct rts_machine {
  jmp_buf returns[rts_stack_size];      /* k2c: where each return_ goes */
  int32_t return_addresses[rts_stack_size]; /* k2s: return points */
  int rsp;
  char **strings;                       /* strings read at run time */
  int string_count;
  int errors;                           /* messages that did not stop the run */
} rts;

#if defined(__GNUC__)
#define RTS_UNUSED __attribute__((unused))
#define RTS_COLD __attribute__((cold, noinline))
#define RTS_HOT __attribute__((always_inline, unused))
#define RTS_LIKELY(condition) __builtin_expect(!!(condition), 1)
#define RTS_UNLIKELY(condition) __builtin_expect(!!(condition), 0)
#else
#define RTS_UNUSED
#define RTS_COLD
#define RTS_HOT
#define RTS_LIKELY(condition) (condition)
#define RTS_UNLIKELY(condition) (condition)
#endif

static RTS_UNUSED void rts_vreport(const char *format, va_list args)
{
  fflush(stdout);
  fputs("KAM error: ", stderr);
  vfprintf(stderr, format, args);
  fputc('\n', stderr);
}

/* A run-time error: the message, then the end of the run. */
static RTS_UNUSED RTS_COLD _Noreturn void rts_error(const char *format, ...)
{
  va_list args;
  va_start(args, format);
  rts_vreport(format, args);
  va_end(args);
  exit(2);
}

/* The status of a run that ends at halt: 1, after the message kamrun gives,
   when the program's output could not all be written (a full disk, a
   closed pipe), else 0. */
static RTS_UNUSED int rts_output_status(void)
{
  errno = 0;
  if (fflush(stdout) == 0 && !ferror(stdout))
    return 0;
  const int error = errno ? errno : EIO;
  fprintf(stderr, "KAM error: File 'standard output' not writable, cannot continue\n  (%s)\n",
          strerror(error));
  return 1;
}

static RTS_UNUSED void rts_exit_status(void)
{
  if (rts.errors > 0) {
    fflush(NULL);
    _Exit(2);
  }
}

/* A message after which the run goes on; the exit status still tells. */
static RTS_UNUSED void rts_warning(const char *format, ...)
{
  va_list args;
  va_start(args, format);
  rts_vreport(format, args);
  va_end(args);
  if (rts.errors++ == 0)
    atexit(rts_exit_status);
}

static inline RTS_HOT int32_t rts_wrap(rts_value value)
{
  return (int32_t)(uint32_t)(unsigned long long)value;
}

/* Evaluation stack. The routines take the stack pointer in use where they
   are called: push, pop and the routines that take several words are macros
   that name rts_sp, so inside a translated program they reach its local
   copy, which the compiler keeps in a register. The stack pointer is always
   0 ... rts_stack_size, so each check is one unsigned comparison, and after
   a push the next pop (and after a pop the next push) visibly passes its
   check. */

static inline RTS_HOT int rts_push(long *sp, rts_value value)
{
  if (!RTS_LIKELY((unsigned long)*sp < rts_stack_size))
    rts_error("%s overflow, (stack size: %d)", "stack", rts_stack_size);
  return rts_stack[(*sp)++] = rts_wrap(value);
}

static inline RTS_HOT rts_value rts_pop(long *sp)
{
  if (!RTS_LIKELY((unsigned long)*sp - 1 < rts_stack_size))
    rts_error("Empty %s", "stack");
  return rts_stack[--*sp];
}

static inline RTS_HOT void rts_swap(long *sp)
{
  rts_value b = rts_pop(sp), a = rts_pop(sp);
  rts_push(sp, b);
  rts_push(sp, a);
}

#define push(value) rts_push(&rts_sp, (value))
#define pop() rts_pop(&rts_sp)
#define swap() rts_swap(&rts_sp)

/* A stack seen from its top, so that the routines that take several words
   serve the C stack above and the processor stack of k2s programs alike. */
struct rts_view {
  int32_t *top;                         /* processor stack: top word first */
  int32_t *bottom;                      /* C stack: bottom word first */
  int64_t depth;                        /* words on the stack */
  int64_t taken;                        /* words popped through the view */
};

static inline RTS_HOT struct rts_view rts_c_stack(long sp)
{
  struct rts_view view = { NULL, rts_stack, sp, 0 };
  return view;
}

static RTS_UNUSED int32_t rts_view_word(const struct rts_view *view, int64_t from_top)
{
  return view->top ? view->top[from_top] : view->bottom[view->depth - 1 - from_top];
}

static RTS_UNUSED int32_t rts_view_pop(struct rts_view *view)
{
  if (view->taken >= view->depth)
    rts_error("Empty %s", "stack");
  return rts_view_word(view, view->taken++);
}

/* The C stack after words were popped through a view of it. */
static inline RTS_HOT void rts_c_stack_done(long *sp, const struct rts_view *view)
{
  *sp -= (long)view->taken;
}

/* Address space. */

/* Whether display entry ADDRESS lies inside the address space. */
static inline RTS_HOT int rts_inside(long address)
{
  return address >= rts_header_words && address < rts_size;
}

/* The limit of a level of LENGTH words whose segment has ROOM words up to
   the end of the address space. */
static inline RTS_HOT unsigned long rts_reach(long length, long room)
{
  return length <= 0 ? 0 : (unsigned long)(length < room ? length : room);
}

/* Whether any length word is watched. */
static inline RTS_HOT int rts_watching(void)
{
  return rts_watched[0] != LONG_MAX;
}

/* Sets the base and limits of LEVEL from its display entry and length
   word; gives whether they depend on the end of the address space (see
   rts_end_bound). */
static inline RTS_UNUSED int rts_set_window(int level)
{
  long address = rts_display[level];
  int usable = rts_inside(address);
  long length = usable ? rts_mem[address - rts_hdr_length] : 0;
  rts_base[level] = usable ? rts_mem + address : rts_mem;
  rts_limit[level] = rts_reach(length, rts_size - address);
  return address >= rts_header_words && (!usable || length > rts_size - address);
}

/* Whether LEVEL's words may hold WORD: its words as they are, or, for a
   level whose length may change (GROWS), every word from its first to the
   end of the address space. */
static inline RTS_UNUSED int rts_may_reach(int level, long word, int grows)
{
  long address = rts_display[level];
  if (!rts_inside(address))
    return 0;
  if (grows)
    return word >= address && word < rts_size;
  return (unsigned long)(word - address) < rts_limit[level];
}

/* Enters the length word of LEVEL among the COUNT watched ones, in order. */
static RTS_UNUSED void rts_watch(int level, int count)
{
  long word = rts_display[level] - rts_hdr_length;
  int at = count;
  for (; at > 0 && rts_watched[at - 1] > word; --at) {
    rts_watched[at] = rts_watched[at - 1];
    rts_watched_level[at] = rts_watched_level[at - 1];
  }
  rts_watched[at] = word;
  rts_watched_level[at] = level;
}

/* Finds the length words a store may reach: those in the words of some
   level, and, as a store there may lengthen their level up to the end of
   the address space, those a level so lengthened may reach. */
static RTS_UNUSED void rts_watch_length_words(void)
{
  int grows[rts_max_level + 1] = { 0 };
  int count = 0;
  for (int slot = 0; slot < rts_watch_slots; ++slot)
    rts_watched[slot] = LONG_MAX;
  for (int found = 1; found;) {
    found = 0;
    for (int level = 0; level <= rts_top_level; ++level) {
      if (grows[level] || !rts_inside(rts_display[level]))
        continue;
      for (int other = 0; other <= rts_top_level && !grows[level]; ++other)
        if (rts_may_reach(other, rts_display[level] - rts_hdr_length, grows[other]))
          found = grows[level] = 1;
      if (grows[level])
        rts_watch(level, count++);
    }
  }
}

static RTS_UNUSED void rts_refresh_lengths(void)
{
  rts_end_bound = 0;
  /* every display entry set is at or below the current level */
  if (rts_csn > rts_top_level)
    rts_top_level = (int)rts_csn;
  for (int level = 0; level <= rts_top_level; ++level)
    if (rts_set_window(level))
      rts_end_bound = 1;
  rts_watch_length_words();
  /* a watched length word may bind its level to the end at any store */
  if (rts_watching())
    rts_end_bound = 1;
}

/* The checks of a variable access in the machine's order, for an access
   that the limits above turned down: every such access fails one of them. */
static RTS_UNUSED RTS_COLD _Noreturn void rts_access_fault(rts_value sn, rts_value dpl)
{
  if (sn < 1 || sn > rts_max_level)
    rts_error("Segment number %d out of range: 1..%d", (int)rts_wrap(sn), rts_max_level);
  int64_t address = rts_display[sn];
  if (address == rts_size)
    rts_error("Referring to segment %d which has length 0", (int)sn);
  if (address < rts_header_words || address > rts_size)
    rts_error("Segment %d unknown", (int)sn);
  int64_t length = rts_mem[address - rts_hdr_length];
  if (dpl < 0 || dpl >= length || address + dpl >= rts_size)
    rts_error("Displacement outside of specified segment");
  /* The limits disagree with the segments: a fault of this file. */
  abort();
}

/* Whether WORDS words from variable (sn, dpl) on lie within the limits of
   its level. The arithmetic is that of long, which holds every word of
   the machine, so that a 32-bit program (k2s, k2a) computes in 32 bits. */
static inline RTS_HOT int rts_within_words(long sn, long dpl, unsigned long words)
{
  return sn >= 1 && sn <= rts_max_level && (unsigned long)dpl < rts_limit[sn] &&
         (unsigned long)dpl + (words - 1) < rts_limit[sn];
}

/* Whether variable (sn, dpl) lies within the limits of its level. */
static inline RTS_HOT int rts_within(rts_value sn, rts_value dpl)
{
  return sn == (long)sn && dpl == (long)dpl && rts_within_words((long)sn, (long)dpl, 1);
}

/* The word of variable (sn, dpl), after the machine's segment check. */
static inline RTS_HOT int32_t *rts_variable(rts_value sn, rts_value dpl)
{
  if (RTS_LIKELY(rts_within(sn, dpl)))
    return rts_base[sn] + dpl;
  rts_access_fault(sn, dpl);
}

static inline RTS_HOT int64_t rts_var_address(rts_value sn, rts_value dpl)
{
  return rts_variable(sn, dpl) - rts_mem;
}

static inline RTS_HOT int getmemr(rts_value sn, rts_value dpl)
{
  if (sn == 0 && dpl == 0)
    return 0;
  return *rts_variable(sn, dpl);
}

/* After a store of VALUE into WORD while length words are watched: when
   WORD is one, the limit of its level follows the new length. The code is
   straight, with no call and no loop, so that the compiler still keeps
   the variables of a loop in registers across its stores. */
static inline RTS_HOT void rts_watched_store(const int32_t *word, int32_t value)
{
  long address = word - rts_mem;
  int at = 0;
  at += rts_watched[at + 8] <= address ? 8 : 0;
  at += rts_watched[at + 4] <= address ? 4 : 0;
  at += rts_watched[at + 2] <= address ? 2 : 0;
  at += rts_watched[at + 1] <= address ? 1 : 0;
  if (rts_watched[at] == address) {
    int level = rts_watched_level[at];
    rts_limit[level] = rts_reach(value, rts_size - rts_display[level]);
  }
}

static inline RTS_HOT void putmemr(rts_value sn, rts_value dpl, rts_value value)
{
  int32_t *word = rts_variable(sn, dpl);
  *word = rts_wrap(value);
  if (RTS_UNLIKELY(rts_watching()))
    rts_watched_store(word, rts_wrap(value));
}

static RTS_UNUSED int varaddr(rts_value sn, rts_value dpl)
{
  return (int)rts_var_address(sn, dpl);
}

static inline RTS_HOT int64_t rts_absolute(rts_value address)
{
  if (!RTS_LIKELY(address >= rts_header_words && address < rts_size))
    rts_error("Referring outside of address space");
  return address;
}

static inline RTS_HOT int getmema(rts_value address)
{
  return rts_mem[rts_absolute(address)];
}

static inline RTS_HOT void putmema(rts_value value, rts_value address)
{
  rts_mem[rts_absolute(address)] = rts_wrap(value);
  rts_refresh_lengths();  /* the word may be a segment's length */
}

/* Makes room for NEEDED words. */
static RTS_UNUSED void rts_reserve(int64_t needed, const char *who)
{
  if (needed > rts_capacity) {
    int64_t capacity = rts_capacity ? rts_capacity : 1024;
    while (capacity < needed)
      capacity *= 2;
    int32_t *grown = realloc(rts_mem, (size_t)capacity * sizeof *grown);
    if (!grown)
      rts_error("%s: not enough memory", who);
    rts_mem = grown;
    rts_capacity = capacity;
  }
}

/* Adds words (zero) at the end of the address space. */
static RTS_UNUSED void rts_grow(int64_t words, const char *who)
{
  if (words < 0 || rts_size + words > RTS_MEMORY_LIMIT)
    rts_error("%s: not enough memory", who);
  rts_reserve(rts_size + words, who);
  memset(rts_mem + rts_size, 0, (size_t)words * sizeof *rts_mem);
  rts_size += words;
}

/* Whether the segment at address is the last one in the address space. */
static RTS_UNUSED int rts_is_last_segment(int64_t address)
{
  return address >= rts_header_words && address <= rts_size &&
         address + rts_mem[address - rts_hdr_length] == rts_size;
}

/* Creates a segment of level sn with length words of data. */
static RTS_UNUSED void crseg(rts_value sn, rts_value length)
{
  if (sn < 1 || sn > rts_max_level)
    rts_error("Segment number %d out of range: 1..%d", (int)rts_wrap(sn), rts_max_level);
  int64_t header = rts_size;
  long capacity = rts_capacity;
  rts_grow(length + rts_header_words, "crseg");
  /* A length below zero, which the translators' reader lets through,
     grows the space by less than the header, which still needs room. */
  if (length < 0)
    rts_reserve(header + rts_header_words, "crseg");
  rts_mem[header] = (int32_t)sn;
  rts_mem[header + 1] = (int32_t)length;
  rts_mem[header + 2] = rts_display[sn - 1];
  rts_mem[header + 3] = rts_display[rts_csn];
  rts_csn = (int)sn;
  rts_display[sn] = (int32_t)(header + rts_header_words);
  /* With no level bound to the end, every other level ends at or before
     the old end and keeps its limits, and none of them reaches the new
     length word: only the new level's limits are set, unless the words
     moved or the segment has no words (its entry then lies at the end, or
     beyond it). */
  if (rts_end_bound || length <= 0 || rts_capacity != capacity) {
    rts_refresh_lengths();
    return;
  }
  /* the new level's words are those of the new segment */
  rts_base[sn] = rts_mem + header + rts_header_words;
  rts_limit[sn] = (unsigned long)length;
  if (sn > rts_top_level)
    rts_top_level = (int)sn;
}

/* The display after deleting a segment that was not created from its
   static parent: the caller's chain of static links. */
static RTS_UNUSED void rts_restore_display(int64_t dyn, int64_t own_address)
{
  int64_t limit = own_address - rts_header_words;
  if (dyn < rts_header_words || dyn > limit)
    rts_error("Segmentation violation");
  int caller_level = rts_mem[dyn - rts_hdr_sn];
  if (caller_level < 1 || caller_level > rts_max_level)
    rts_error("Segmentation violation");
  int64_t at = dyn;
  for (int level = caller_level; level >= rts_csn; --level) {
    rts_display[level] = (int32_t)at;
    if (at < rts_header_words || at > limit)
      rts_error("Segmentation violation");
    at = rts_mem[at - rts_hdr_stat];
  }
  rts_csn = caller_level;
}

/* The limits after a dlseg that set the display entry of LEVEL alone (to 0
   or to the caller's segment), when no length word was watched: set for
   LEVEL; 1 when its segment and every other level still end at or before
   the new end (a level bound to the old end reaches past the new one) and
   no length word lies in the words of another level, else 0, and the full
   refresh must run. */
static RTS_UNUSED int rts_limits_after_delete(int level)
{
  if (rts_watching() || rts_set_window(level))
    return 0;
  for (int other = 0; other <= rts_top_level; ++other) {
    long at = rts_display[other];
    if (other == level || at < rts_header_words)
      continue;
    if (at >= rts_size || at + (long)rts_limit[other] > rts_size)
      return 0;
    if (rts_may_reach(level, at - rts_hdr_length, 0) ||
        rts_may_reach(other, rts_display[level] - rts_hdr_length, 0))
      return 0;
  }
  rts_end_bound = 0;
  return 1;
}

/* Deletes the current segment, which must be the last one. */
static RTS_UNUSED void dlseg(void)
{
  int64_t address = rts_display[rts_csn];
  if (address < rts_header_words)
    rts_error("dlseg: no current segment");
  if (!rts_is_last_segment(address))
    rts_error("Segmentation violation");
  int32_t stat = rts_mem[address - rts_hdr_stat];
  int32_t dyn = rts_mem[address - rts_hdr_dyn];
  int level = (int)rts_csn;
  if (stat == dyn) {
    if (rts_csn < 1)
      rts_error("dlseg: no more segments too delete");
    rts_display[rts_csn] = 0;
    --rts_csn;
  } else {
    rts_restore_display(dyn, address);
  }
  rts_size = address - rts_header_words;
  /* The display entries of more than one level may have changed when the
     caller's level lies above this one. */
  if (rts_csn > level || !rts_limits_after_delete(level))
    rts_refresh_lengths();
}

/* Builds the descriptor of an array of n dimensions at (sn, dpl), taking
   the bounds from the stack, and adds the elements to segment sn. */
static RTS_UNUSED void rts_descr(struct rts_view *stack, rts_value sn, rts_value dpl, rts_value n)
{
  int64_t address = rts_var_address(sn, dpl) - dpl;
  if (!rts_is_last_segment(address))
    rts_error("Segmentation violation");
  int64_t size = 1;
  for (int64_t k = n; k >= 1; --k) {
    int32_t high = rts_view_pop(stack);
    int32_t low = rts_view_pop(stack);
    if (high < low)
      rts_error("descr: upper bound smaller than lower bound");
    size *= (int64_t)high - low + 1;
    if (size > RTS_MEMORY_LIMIT)
      rts_error("%s: not enough memory", "descr");
    putmemr(sn, dpl + 2 * k + 1, low);
    putmemr(sn, dpl + 2 * k, size);
  }
  putmemr(sn, dpl + 1, rts_mem[address - rts_hdr_length]);
  putmemr(sn, dpl, n);
  rts_grow(size, "descr");
  rts_mem[address - rts_hdr_length] += (int32_t)size;
  rts_refresh_lengths();
}

static inline RTS_HOT void rts_c_descr(long *sp, rts_value sn, rts_value dpl, rts_value n)
{
  struct rts_view stack = rts_c_stack(*sp);
  rts_descr(&stack, sn, dpl, n);
  rts_c_stack_done(sp, &stack);
}
#define descr(sn, dpl, n) rts_c_descr(&rts_sp, (sn), (dpl), (n))

/* Index arithmetic saturates far outside every segment, so that a wild
   index is reported, never wrapped into range. */
#define RTS_SATURATION ((int64_t)1 << 50)

static RTS_UNUSED int64_t rts_saturate(int64_t value)
{
  return value < -RTS_SATURATION ? -RTS_SATURATION
       : value > RTS_SATURATION ? RTS_SATURATION : value;
}

static RTS_UNUSED int64_t rts_saturating_mul(int64_t a, int64_t b)
{
  /* the product of a word's difference and a word fits in 64 bits */
  if (a > -((int64_t)1 << 32) && a < (int64_t)1 << 32 && b >= INT32_MIN && b <= INT32_MAX)
    return rts_saturate(a * b);
  a = rts_saturate(a);
  b = rts_saturate(b);
  if (a != 0 && (b > RTS_SATURATION / (a < 0 ? -a : a) || b < -RTS_SATURATION / (a < 0 ? -a : a)))
    return (a < 0) != (b < 0) ? -RTS_SATURATION : RTS_SATURATION;
  return rts_saturate(a * b);
}

/* The displacement of an indexed element; pops the selector and the index
   words (with their bounds when the selector is not negative). */
static RTS_UNUSED int64_t rts_ixdpl(struct rts_view *stack, rts_value sn, rts_value dpl)
{
  int32_t selector = rts_view_pop(stack);
  int64_t total = 0;
  if (selector >= 0) {
    int64_t stride = 1;
    for (int32_t k = 0; k < selector; ++k) {
      int32_t index = rts_view_pop(stack);
      int32_t low = rts_view_pop(stack);
      total = rts_saturate(total + rts_saturating_mul((int64_t)index - low, stride));
      int32_t extent = rts_view_pop(stack);
      stride = extent;
      if (index < low || index >= (int64_t)low + extent)
        rts_error("Index out of bounds");
    }
    return rts_saturate(total + dpl);
  }
  int64_t base = getmemr(sn, dpl + 1);
  int64_t dimensions = getmemr(sn, dpl);
  int64_t stride = 1;
  for (int64_t j = dimensions; j >= 1; --j) {
    int32_t index = rts_view_pop(stack);
    int64_t low = getmemr(sn, dpl + 2 * j + 1);
    int64_t offset = rts_saturating_mul(index - low, stride);
    total = rts_saturate(total + offset);
    int64_t size = getmemr(sn, dpl + 2 * j);
    if (offset < 0 || offset > size - stride)
      rts_error("Index out of bounds");
    stride = size;
  }
  return rts_saturate(total + base);
}

/* A displacement beyond 32 bits lies outside every segment either way; it
   is held at the nearest 32-bit limit so that it stays outside. */
static RTS_UNUSED int32_t rts_clamp_word(int64_t value)
{
  return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : (int32_t)value;
}

/* Whether SELECTOR, negative, and INDEX (the top two words of a stack)
   index the one-dimensional array whose descriptor at (sn, dpl) lies
   within its level's limits, within its bounds; then DISPLACEMENT is the
   element's. Every other case goes to rts_ixdpl, with the machine's checks
   in the machine's order. */
static inline RTS_HOT int rts_vector_element(int32_t selector, int32_t index, long sn, long dpl,
                                             int32_t *displacement)
{
  if (selector >= 0 || !rts_within_words(sn, dpl, 4))
    return 0;
  const int32_t *descriptor = rts_base[sn] + dpl;
  int64_t offset = (int64_t)index - descriptor[3];
  if (descriptor[0] != 1 || offset < 0 || offset >= descriptor[2])
    return 0;
  *displacement = rts_clamp_word(descriptor[1] + offset);
  return 1;
}

static inline RTS_HOT int rts_c_ixdpl(long *sp, rts_value sn, rts_value dpl)
{
  int32_t displacement;
  if (RTS_LIKELY(*sp >= 2 && sn == (long)sn && dpl == (long)dpl &&
                 rts_vector_element(rts_stack[*sp - 1], rts_stack[*sp - 2], (long)sn, (long)dpl,
                                    &displacement))) {
    *sp -= 2;
    return displacement;
  }
  struct rts_view stack = rts_c_stack(*sp);
  displacement = rts_clamp_word(rts_ixdpl(&stack, sn, dpl));
  rts_c_stack_done(sp, &stack);
  return displacement;
}
#define ixdpl(sn, dpl) rts_c_ixdpl(&rts_sp, (sn), (dpl))

/* 1 when the top n words equal the n words below them; removes all 2n.
   n = 0 stands for the size of the array described at (sn, dpl). */
static RTS_UNUSED int rts_eqn(struct rts_view *stack, rts_value n, rts_value sn, rts_value dpl)
{
  int64_t count = n == 0 ? getmemr(sn, dpl + 2) : n;
  if (count < 0)
    count = 0;
  if (2 * count > stack->depth - stack->taken)
    rts_error("Empty %s", "stack");
  int equal = 1;
  for (int64_t i = 0; i < count && equal; ++i)
    equal = rts_view_word(stack, stack->taken + i) == rts_view_word(stack, stack->taken + count + i);
  stack->taken += 2 * count;
  return equal;
}

/* The count n is an argument, so it has been popped when this runs. */
static inline RTS_HOT int rts_c_eqn(long *sp, rts_value n, rts_value sn, rts_value dpl)
{
  struct rts_view stack = rts_c_stack(*sp);
  int equal = rts_eqn(&stack, n, sn, dpl);
  rts_c_stack_done(sp, &stack);
  return equal;
}
#define eqn(n, sn, dpl) rts_c_eqn(&rts_sp, (n), (sn), (dpl))

/* Operators with a check of their own. */

static inline RTS_UNUSED rts_value rts_abs(rts_value value)
{
  return value < 0 ? -value : value;
}
#undef abs
#define abs(value) rts_abs(value)

static RTS_UNUSED rts_value rts_divide(rts_value a, rts_value b, int modulus)
{
  if (modulus && b < 0)
    rts_error("mdl: negative modulus");
  if (b == 0)
    rts_error("dvi: division by zero");
  return modulus ? a % b : a / b;  /* exact in 64 bits, wrapped by push */
}

static inline RTS_UNUSED rts_value dvi(rts_value a, rts_value b) { return rts_divide(a, b, 0); }
static inline RTS_UNUSED rts_value mdl(rts_value a, rts_value b) { return rts_divide(a, b, 1); }

/* The global stack pointer, for the program, where the local hides it. */
static RTS_UNUSED long rts_stack_pointer(void)
{
  return rts_sp;
}

/* The program frame. A translated program is
       int main(void) { ... }
   in the text of k2c; with the macro below, main runs rts_program, whose
   body is the program and whose parameter rts_sp is the local stack
   pointer that push and pop use there. The program's "return 0;" at halt
   returns through main. A file that includes this header for other
   purposes defines RTS_NO_PROGRAM_FRAME. */
#ifndef RTS_NO_PROGRAM_FRAME
#if defined(__GNUC__)
/* The local hides the global on purpose. A program whose code does not end
   in halt or a jump runs off the end of rts_program, which main does not
   mind: it ends with status 0 then, as at the end of a main. */
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wreturn-type"
#endif
int rts_program(long rts_sp);
#define main(parameters) \
  main(parameters) { rts_program(0); return rts_output_status(); } int rts_program(long rts_sp)

/* The library's setjmp; glibc's _setjmp leaves the signal mask alone (no
   system call) and pairs with longjmp. */
#if defined(__GLIBC__)
#define RTS_LIBRARY_SETJMP _setjmp
#else
#define RTS_LIBRARY_SETJMP setjmp
#endif

/* Calls. A call of a translated program reads
       { jmp_buf jmpbuf; if (setjmp(jmpbuf) == 0) { ccall(&jmpbuf); goto l_N; } }
   and a return
       { jmp_buf jmpbuf; creturn_(&jmpbuf); longjmp(jmpbuf, 1); }
   The jump buffers of the active calls form the return stack rts.returns:
   the setjmp below fills the next free one in place of the local jmpbuf,
   ccall pushes it, creturn_ pops it and longjmp jumps through it, so that
   no jump buffer is copied. While the return stack is full, setjmp fills
   a spare buffer, and ccall reports the overflow. */
static jmp_buf rts_spare_return;

static inline RTS_HOT void *rts_next_return(void)
{
  return rts.rsp < rts_stack_size ? rts.returns[rts.rsp] : rts_spare_return;
}

static inline RTS_HOT void rts_ccall(void)
{
  if (rts.rsp >= rts_stack_size)
    rts_error("%s overflow, (stack size: %d)", "return stack", rts_stack_size);
  rts.rsp++;
}
#define ccall(caller) ((void)(caller), rts_ccall())

/* A return hands the stack pointer over through rts_sp, since the caller's
   copy is out of date after longjmp. */
static inline RTS_HOT void rts_creturn(long sp)
{
  if (rts.rsp <= 0)
    rts_error("Empty %s", "return stack");
  rts_sp = sp;
  --rts.rsp;
}
#define creturn_(target) ((void)(target), rts_creturn(rts_sp))
#define longjmp(buffer, value) ((void)(buffer), longjmp(rts.returns[rts.rsp], (value)))

/* A call is reached a second time by the callee's longjmp. A local
   changed after setjmp is indeterminate after longjmp, so the local stack
   pointer is handed over through the global one on every way past setjmp:
   parked there before it, taken back on both returns. This setjmp turns
   the line into
       if (_setjmp(rts_park(rts_sp, jmpbuf))) { rts_sp = rts_stack_pointer(); }
       else if (rts_sp = rts_stack_pointer(), 0 == 0) { ... }
   so that setjmp stays the whole controlling expression of its if, and the
   local is not live across it. */
static inline RTS_HOT void *rts_park(long sp, void *buffer)
{
  (void)buffer;
  rts_sp = sp;
  return rts_next_return();
}

#undef setjmp
#define setjmp(buffer) \
  RTS_LIBRARY_SETJMP(rts_park(rts_sp, (buffer)))) { rts_sp = rts_stack_pointer(); } \
  else if (rts_sp = rts_stack_pointer(), 0
#endif

/* Input: every read takes one whole line. */

static RTS_UNUSED char *rts_read_line(void)
{
  static char *line;
  static size_t capacity;
  size_t length = 0;
  int c;
  fflush(stdout);  /* a prompt shows before the read */
  do {
    c = getchar();
    if (length + 2 > capacity) {
      size_t grown_capacity = capacity ? 2 * capacity : 256;
      char *grown = realloc(line, grown_capacity);
      if (!grown)
        rts_error("%s: not enough memory", "read");
      line = grown;
      capacity = grown_capacity;
    }
    if (c != EOF)
      line[length++] = (char)c;
  } while (c != EOF && c != '\n');
  line[length] = '\0';
  return line;
}

static RTS_UNUSED int rdbool(void)
{
  return toupper((unsigned char)rts_read_line()[0]) == 'T';
}

static RTS_UNUSED int rdchar(void)
{
  return (signed char)rts_read_line()[0];
}

/* Like atoi, but a number beyond 32 bits is held at the nearest limit. */
static RTS_UNUSED int rdint(void)
{
  const char *p = rts_read_line();
  while (isspace((unsigned char)*p))
    ++p;
  int negative = *p == '-';
  if (*p == '+' || *p == '-')
    ++p;
  int64_t value = 0;
  for (; isdigit((unsigned char)*p); ++p)
    if ((value = value * 10 + (*p - '0')) > RTS_SATURATION)
      value = RTS_SATURATION;
  return rts_clamp_word(negative ? -value : value);
}

/* Adds the next input line as a string constant; its number, or 0 when the
   table is full. */
static RTS_UNUSED int rdstring(rts_value table_size)
{
  char *line = rts_read_line();
  size_t length = strlen(line);
  if (length > 0 && line[length - 1] == '\n')
    line[--length] = '\0';
  if (table_size + rts.string_count >= rts_string_limit) {
    rts_warning("Cannot handle more than %d string constants", rts_string_limit);
    return 0;
  }
  char **grown = realloc(rts.strings, (size_t)(rts.string_count + 1) * sizeof *grown);
  char *copy = malloc(length + 1);
  if (!grown || !copy)
    rts_error("%s: not enough memory", "rdstring");
  memcpy(copy, line, length + 1);
  rts.strings = grown;
  rts.strings[rts.string_count++] = copy;
  return (int)(table_size + rts.string_count);
}

/* Output: the value stays on the stack; the routines only write. */

static RTS_UNUSED void wrbool(rts_value value)
{
  fputs(value != 0 ? "true\n" : "false\n", stdout);
}

static RTS_UNUSED void wrchar(rts_value value)
{
  printf("%c\n", (unsigned char)value);
}

static RTS_UNUSED void wrint(rts_value value)
{
  printf("%d\n", (int)value);
}

static RTS_UNUSED void wrstring(rts_value table_size, rts_value number)
{
  const char *text = NULL;
  if (number >= 1 && number <= table_size)
    text = RTS_STRING_TABLE[number - 1];
  else if (number > table_size && number <= table_size + rts.string_count)
    text = rts.strings[number - table_size - 1];
  if (text)
    printf("%s\n", text);
  else
    fputs("wrstring: unknown string??\n", stdout);
}

#endif
