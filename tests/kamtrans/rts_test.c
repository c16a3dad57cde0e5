/* Direct tests of the machine in rts.h, the support of translated programs:
   segments, descriptors, indexing, the display after recursion, multi-word
   comparison and wrap-around. Errors end a program, so these are the paths
   that succeed; the differential test covers the messages. */
#define RTS_NO_PROGRAM_FRAME  /* these tests have a main of their own */
#include "rts.h"

char *StringTab[] = { "first", 0 };

static int failures;

#define CHECK(condition)                                            \
  do {                                                              \
    if (!(condition)) {                                             \
      fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      ++failures;                                                   \
    }                                                               \
  } while (0)

static void reset(void)
{
  rts_sp = 0;
  rts_size = 0;
  rts_csn = 0;
  memset(rts_display, 0, sizeof rts_display);
  rts_refresh_lengths();
  rts_top_level = 0;  /* the limits above it are 0 now */
}

static void test_wrap_around(void)
{
  reset();
  CHECK(push(2147483647LL + 1) == -2147483647 - 1);
  CHECK(pop() == -2147483647 - 1);
  push(65537);
  push(65537);
  CHECK(push(pop() * pop()) == 131073);
  pop();
  CHECK(dvi(-7, 2) == -3 && mdl(-7, 2) == -1);
  CHECK(rts_wrap(dvi(-2147483647 - 1, -1)) == -2147483647 - 1);
  CHECK(abs(-5) == 5);
}

static void test_segment_addresses(void)
{
  reset();
  crseg(1, 3);
  CHECK(rts_display[1] == 4 && rts_csn == 1 && rts_size == 7);
  CHECK(varaddr(1, 2) == 6);
  putmemr(1, 2, 42);
  CHECK(getmema(6) == 42 && getmemr(1, 2) == 42);
  CHECK(getmemr(0, 0) == 0);
  dlseg();
  CHECK(rts_size == 0 && rts_csn == 0 && rts_display[1] == 0);
  /* a length below zero (from a length table that the translators take
     as it is) gives a segment that no access reaches, and its header
     stays within the words allocated, also at their end */
  long length = rts_capacity - 6;
  crseg(1, length);
  crseg(2, -2);
  CHECK(rts_limit[2] == 0 && rts_limit[1] == (unsigned long)length);
  CHECK(rts_capacity >= rts_display[2]);
}

/* A level-1 segment of length 6 with the array [1..3, 0..4] at 0. */
static void test_descriptor_and_indexing(void)
{
  reset();
  crseg(1, 6);
  push(1);
  push(3);
  push(0);
  push(4);
  descr(1, 0, 2);
  CHECK(rts_sp == 0);
  int expected[] = { 2, 6, 15, 1, 5, 0 };
  for (int dpl = 0; dpl < 6; ++dpl)
    CHECK(getmemr(1, dpl) == expected[dpl]);
  CHECK(rts_limit[1] == 21 && rts_size == 25);
  push(2);
  push(3);
  push(-1);
  CHECK(ixdpl(1, 0) == 6 + 8 && rts_sp == 0);
  /* bounds on the stack: extent 5, lower bound 0, index 4 */
  push(5);
  push(0);
  push(4);
  push(1);
  CHECK(ixdpl(1, 10) == 14 && rts_sp == 0);
  /* the whole array compared with itself */
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < 15; ++i)
      push(i);
  CHECK(eqn(0, 1, 0) == 1 && rts_sp == 0);
  push(1);
  push(2);
  push(1);
  push(3);
  CHECK(eqn(2, 1, 0) == 0 && rts_sp == 0);
  dlseg();
}

/* A fresh machine in which the main program (level 1, two words) called a
   level-2 procedure (one word) that called itself: the segments of the
   main program and of the first activation. */
static void recursive_call(long *main_segment, long *first)
{
  reset();
  crseg(1, 2);
  *main_segment = rts_display[1];
  crseg(2, 1);
  *first = rts_display[2];
  crseg(2, 1);
}

/* A level-2 procedure that calls itself: the second activation's links,
   and the display after it ends. */
/* An array of one dimension, [-2..3] at 0 in a segment of four words:
   indexed through its descriptor, and the same words indexed with bounds
   on the stack instead. */
static void test_vector_indexing(void)
{
  reset();
  crseg(1, 4);
  push(-2);
  push(3);
  descr(1, 0, 1);
  push(3);
  push(-1);
  CHECK(ixdpl(1, 0) == 4 + 5 && rts_sp == 0);
  /* extent 6, lower bound -2, index 3, one index */
  push(6);
  push(-2);
  push(3);
  push(1);
  CHECK(ixdpl(1, 0) == 5 && rts_sp == 0);
  dlseg();
}

static void test_recursion_display(void)
{
  long main_segment, first;
  recursive_call(&main_segment, &first);
  long second = rts_display[2];
  CHECK(rts_mem[second - rts_hdr_stat] == rts_mem[first - rts_hdr_stat]);
  CHECK(rts_mem[second - rts_hdr_stat] == main_segment);
  CHECK(rts_mem[second - rts_hdr_dyn] == first);
  dlseg();
  CHECK(rts_display[2] == first && rts_csn == 2);
  dlseg();
  CHECK(rts_display[2] == 0 && rts_csn == 1);
  dlseg();
  CHECK(rts_csn == 0 && rts_size == 0);
}

/* A length word changed through its address is seen by the next access. */
static void test_length_word_store(void)
{
  reset();
  crseg(1, 2);
  crseg(2, 3);
  long length_word = rts_display[2] - rts_hdr_length;
  putmema(2, length_word);
  CHECK(rts_limit[2] == 2);
  putmemr(2, 1, 9);
  putmema(3, length_word);
  CHECK(rts_limit[2] == 3);
  dlseg();
  dlseg();
}

/* The words that a variable access may reach, per level: the segment's
   length, 0 for a segment of length 0 and for a level without segment. */
static void test_access_limits(void)
{
  reset();
  crseg(1, 2);
  crseg(2, 4);
  crseg(3, 0);
  CHECK(rts_limit[1] == 2 && rts_limit[2] == 4 && rts_limit[3] == 0 && rts_limit[4] == 0);
  CHECK(rts_base[2] == rts_mem + rts_display[2]);
  dlseg();
  CHECK(rts_limit[3] == 0 && rts_limit[2] == 4);
  push(1);
  push(2);
  descr(2, 0, 1);
  CHECK(rts_limit[2] == 6);
  long length_word = rts_display[2] - rts_hdr_length;
  putmema(1, length_word);
  CHECK(rts_limit[2] == 1);
  putmema(6, length_word);
  dlseg();
  dlseg();
  CHECK(rts_limit[1] == 0 && rts_limit[2] == 0 && rts_size == 0);
}

/* A fresh machine with one segment, of the main program (level 1, three
   words), after a level-3 segment called from level 1 was deleted: the
   display entry of level 3 stays behind, beyond the end. Gives it. */
static long leave_level_3_behind(void)
{
  reset();
  crseg(1, 3);
  crseg(1, 1);
  crseg(3, 3);
  long left_behind = rts_display[3];
  dlseg();
  dlseg();
  return left_behind;
}

/* Display entries left behind by a deleted segment of level 3: beyond the
   end of the address space, where no access reaches; then inside a later
   segment, whose data word stands for the length: stores into the words
   of that segment set the limits of level 3. */
static void test_left_behind_display(void)
{
  long left_behind = leave_level_3_behind();
  CHECK(rts_display[3] == left_behind && left_behind > rts_size);
  CHECK(rts_limit[3] == 0);
  crseg(1, 20);
  long length_word = left_behind - rts_hdr_length - rts_display[1];
  putmemr(1, length_word, 5);
  CHECK(rts_limit[3] == 5 && rts_limit[1] == 20 && rts_watched[0] == left_behind - rts_hdr_length);
  putmemr(3, 4, 7);
  CHECK(getmemr(1, length_word + 3 + 4) == 7);
  putmemr(1, length_word, 2);
  CHECK(rts_limit[3] == 2 && getmemr(3, 1) == 0);
  dlseg();
  dlseg();
}

/* A dlseg back to a caller whose header names a level above every level
   created so far (changed through its address): the display entries it
   sets, from that level down along the static links, get their limits
   like the others. */
static void test_display_above_created_levels(void)
{
  long main_segment, caller;
  recursive_call(&main_segment, &caller);
  putmema(3, caller - rts_hdr_sn);
  dlseg();
  CHECK(rts_display[3] == caller && rts_limit[3] == 1);
  CHECK(rts_display[2] == main_segment && rts_limit[2] == 2);
  putmemr(3, 0, 7);
  CHECK(getmemr(3, 0) == 7 && rts_mem[caller] == 7);
  putmema(2, caller - rts_hdr_sn);
  dlseg();
  dlseg();
}

/* A level-3 procedure, called from one of level 2 (two words), that
   called itself (one word each): the level-2 segment and the first
   activation. Their length words lie at addresses a program can store to. */
static void nested_recursion(long *outer, long *first)
{
  reset();
  crseg(1, 2);
  crseg(2, 2);
  *outer = rts_display[2];
  crseg(3, 1);
  *first = rts_display[3];
  crseg(3, 1);
}

/* Deletes what is left of nested_recursion after its second activation,
   with the level-2 segment's length restored. */
static void delete_nested_recursion(long outer)
{
  putmema(2, outer - rts_hdr_length);
  for (int level = 3; level >= 1; --level)
    dlseg();
  CHECK(rts_size == 0);
}

/* After a dlseg the limits are those of the full refresh, also where a
   level's words reach into the deleted segment: they end at the new end. */
static void test_limits_after_delete_reaching_beyond(void)
{
  long outer, first;
  nested_recursion(&outer, &first);
  dlseg();
  putmema(rts_size - outer, outer - rts_hdr_length);
  dlseg();
  CHECK(rts_limit[2] == 2 && rts_limit[3] == 0);
  putmema(2, outer - rts_hdr_length);
  dlseg();
  dlseg();
}

/* The caller's segment, current again after a dlseg: its length word in
   the words of another level (stores there set its limits), its
   length reaching beyond the new end and into a segment created later. */
static void test_limits_after_delete_of_the_callers_segment(void)
{
  long outer, first;
  nested_recursion(&outer, &first);
  putmema(first - outer, outer - rts_hdr_length);
  dlseg();
  CHECK(rts_limit[2] == (unsigned long)(first - outer) && rts_watched[0] == first - rts_hdr_length);
  putmemr(2, first - rts_hdr_length - outer, 0);
  CHECK(rts_limit[3] == 0);
  putmema(1, first - rts_hdr_length);
  delete_nested_recursion(outer);
  nested_recursion(&outer, &first);
  long reach = rts_size - first;
  putmema(reach, first - rts_hdr_length);
  dlseg();
  CHECK(rts_limit[3] == 1);
  crseg(4, 3);  /* a new segment at the end lies in its words again */
  CHECK(rts_limit[3] == (unsigned long)reach);
  dlseg();
  putmema(1, first - rts_hdr_length);
  delete_nested_recursion(outer);
}

/* A display entry left behind inside the words of the caller's segment:
   stores there set the limits of level 3 after the dlseg. */
static void test_limits_after_delete_with_entry_left_behind(void)
{
  long left_behind = leave_level_3_behind();
  crseg(2, 20);
  crseg(2, 1);
  dlseg();
  long length_word = left_behind - rts_hdr_length - rts_display[2];
  CHECK(rts_limit[3] == 0 && rts_watched[0] == left_behind - rts_hdr_length);
  putmemr(2, length_word, 5);
  CHECK(rts_limit[3] == 5);
  putmemr(2, length_word, 0);
  dlseg();
  dlseg();
  CHECK(rts_size == 0);
}

/* A length word that no level reaches now, but a level may reach once a
   store has lengthened it: it is watched as well, also after a new
   segment was added at the end while another length word was watched. */
static void test_length_word_reached_after_a_store(void)
{
  long left_behind = leave_level_3_behind();
  crseg(1, 20);
  long length_word = left_behind - rts_hdr_length - rts_display[1];
  putmemr(1, length_word, 5);
  crseg(2, 1);
  dlseg();
  crseg(2, 1);
  crseg(4, 3);
  putmemr(1, length_word, 100);
  CHECK(rts_limit[3] == (unsigned long)(rts_size - left_behind));
  long level_4_length = rts_display[4] - rts_hdr_length - left_behind;
  putmemr(3, level_4_length, 1);
  CHECK(rts_limit[4] == 1);
  putmemr(3, level_4_length, 3);
  putmemr(1, length_word, 0);
  for (int level = 4; level >= 2; level -= 2)
    dlseg();
  dlseg();
}

/* Display entries of many levels inside the words of the main program
   (as entries left behind may lie): a store into the length word of each
   sets the limits of that level alone. */
static void test_many_watched_length_words(void)
{
  reset();
  crseg(1, 200);
  for (int level = 2; level <= rts_max_level; ++level) {
    rts_display[level] = rts_display[1] + 10 * level;
    rts_mem[rts_display[level] - rts_hdr_length] = 1;
  }
  rts_top_level = rts_max_level;
  rts_refresh_lengths();
  for (int level = 2; level <= rts_max_level; ++level) {
    putmemr(1, 10 * level - rts_hdr_length, level);
    CHECK(rts_limit[level] == (unsigned long)level);
    if (level < rts_max_level)
      CHECK(rts_limit[level + 1] == 1);
  }
}

int main(void)
{
  test_wrap_around();
  test_left_behind_display();
  test_segment_addresses();
  test_descriptor_and_indexing();
  test_vector_indexing();
  test_recursion_display();
  test_length_word_store();
  test_access_limits();
  test_display_above_created_levels();
  test_limits_after_delete_reaching_beyond();
  test_limits_after_delete_of_the_callers_segment();
  test_limits_after_delete_with_entry_left_behind();
  test_length_word_reached_after_a_store();
  test_many_watched_length_words();
  if (failures)
    fprintf(stderr, "%d check(s) failed\n", failures);
  return failures != 0;
}
