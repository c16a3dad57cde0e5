/*
 * kamsupport.c - support library of programs translated by k2s; build a
 * translated program as a 32-bit program:
 *
 *     gcc -m32 -I DIR -o prog prog.s DIR/kamsupport.c
 *
 * where DIR holds this file, rts.h and extmac.s.  For a program translated
 * by k2a, which has a main of its own, define KAM_SUPPORT_FOR_K2A (see
 * extmac.h).  The translated code keeps
 * the evaluation stack on the processor stack; the routines below are
 * called from it with that stack in any alignment, so every C entry point
 * realigns the stack for the C library.  The machine itself (segments,
 * checks, messages) is the one of rts.h.
 */
#if !defined(__i386__)
#error "kamsupport.c belongs to 32-bit programs: compile it with -m32"
#endif

#define _GNU_SOURCE  /* the registers of a faulting instruction */
#ifndef KAM_SUPPORT_FOR_K2A
#define RTS_STRING_TABLE _StringTab
#endif
#define RTS_NO_PROGRAM_FRAME  /* the translated code brings its own entry */
#include "rts.h"

#include <signal.h>
#include <ucontext.h>

#define ENTRY(name) __asm__(name) __attribute__((force_align_arg_pointer, used, noinline))
/* An entry that does not realign the stack, for the fast path of a
   frequent routine: straight scalar code that calls nothing and hands
   every other case over to an ENTRY. */
#define LEAN_ENTRY(name) __asm__(name) __attribute__((used))

/* The address just above the evaluation stack (set by main); unknown in
   k2a programs, whose stack then has no bottom for the checks. */
int32_t *kam_stack_base;

/* Words on the evaluation stack whose top word is at top. */
static struct rts_view kam_view(int32_t *top)
{
  struct rts_view view = { top, NULL, kam_stack_base ? kam_stack_base - top : INT32_MAX, 0 };
  return view;
}

/* The translated dvi and mdl divide by %ebx with "idivl %ebx" (2 bytes).
   A zero divisor is the machine's error; the smallest number divided by -1
   wraps around in the machine, so that case is completed here: quotient
   the smallest number, remainder 0, and the program goes on. */
static void kam_division_fault(int signal_number, siginfo_t *info, void *context)
{
  (void)signal_number;
  (void)info;
  greg_t *registers = ((ucontext_t *)context)->uc_mcontext.gregs;
  const unsigned char *code = (const unsigned char *)registers[REG_EIP];
  if (registers[REG_EBX] == -1 && code[0] == 0xf7 && code[1] == 0xfb) {
    registers[REG_EAX] = INT32_MIN;
    registers[REG_EDX] = 0;
    registers[REG_EIP] += 2;
    return;
  }
  rts_error("dvi: division by zero");
}

void kam_start(void) ENTRY("kam_start");
void kam_start(void)
{
  struct sigaction action;
  memset(&action, 0, sizeof action);
  action.sa_sigaction = kam_division_fault;
  action.sa_flags = SA_SIGINFO;
  sigaction(SIGFPE, &action, NULL);
}

#ifdef KAM_SUPPORT_FOR_K2A
/* A k2a program starts in its own main: the handler is installed before. */
__attribute__((constructor)) static void kam_start_k2a(void)
{
  kam_start();
}
#else
/* The program's entry: the words that the translated code pushes below this
   frame form the evaluation stack; "halt" ends the program. */
__asm__(
  "\t.text\n"
  "\t.globl main\n"
  "main:\n"
  "\tmovl\t%esp, kam_stack_base\n"
  "\tcall\tkam_start\n"
  "\tjmp\t_main\n");
#endif

/* abs_: replaces the top word by its absolute value; the caller then drops
   one word, so one more is left below the return address. */
__asm__(
  "\t.text\n"
  "\t.globl _abs\n"
  "_abs:\n"
  "\tpopl\t%ecx\n"
  "\tmovl\t(%esp), %eax\n"
  "\tcltd\n"
  "\txorl\t%edx, %eax\n"
  "\tsubl\t%edx, %eax\n"
  "\tmovl\t%eax, (%esp)\n"
  "\tpushl\t%eax\n"
  "\tjmp\t*%ecx\n");

void kam_exit(int status) ENTRY("kam_exit");
void kam_exit(int status)
{
  exit(status == 0 ? rts_output_status() : status);
}

/* Variables and absolute addresses. */

/* A variable access is the most frequent call of a translated program, so
   it has a lean entry: when the word lies within the limits of its level
   and no length word is watched, it is read or written at once, in 32-bit
   arithmetic; every other case goes to the full routine, which realigns
   the stack for the messages. */
int kam_getmemr_checked(int sn, int dpl) ENTRY("kam_getmemr_checked");
int kam_getmemr_checked(int sn, int dpl) { return getmemr(sn, dpl); }

int kam_getmemr(int sn, int dpl) LEAN_ENTRY("_getmemr");
int kam_getmemr(int sn, int dpl)
{
  if (RTS_LIKELY(rts_within_words(sn, dpl, 1)))
    return rts_base[sn][dpl];
  return kam_getmemr_checked(sn, dpl);
}

void kam_putmemr_checked(int sn, int dpl, int value) ENTRY("kam_putmemr_checked");
void kam_putmemr_checked(int sn, int dpl, int value) { putmemr(sn, dpl, value); }

void kam_putmemr(int sn, int dpl, int value) LEAN_ENTRY("_putmemr");
void kam_putmemr(int sn, int dpl, int value)
{
  if (RTS_LIKELY(rts_within_words(sn, dpl, 1) && !rts_watching()))
    rts_base[sn][dpl] = value;
  else
    kam_putmemr_checked(sn, dpl, value);
}

int kam_varaddr(int sn, int dpl) ENTRY("_varaddr");
int kam_varaddr(int sn, int dpl) { return varaddr(sn, dpl); }

int kam_getmema(int address) ENTRY("_getmema");
int kam_getmema(int address) { return getmema(address); }

void kam_putmema(int value, int address) ENTRY("_putmema");
void kam_putmema(int value, int address) { putmema(value, address); }

/* Segments. */

void kam_crseg(int sn, int length) ENTRY("_crseg");
void kam_crseg(int sn, int length) { crseg(sn, length); }

void kam_dlseg(void) ENTRY("_dlseg");
void kam_dlseg(void) { dlseg(); }

/* Routines behind the macros of extmac.s that take words from the stack:
   they give the number of bytes the macro drops from it. */

int kam_descr(int sn, int dpl, int dims, int32_t *top) ENTRY("kam_descr");
int kam_descr(int sn, int dpl, int dims, int32_t *top)
{
  struct rts_view stack = kam_view(top);
  rts_descr(&stack, sn, dpl, dims);
  return (int)stack.taken * 4;
}

/* The bytes to drop in the high half, the result in the low half (edx:eax). */
static uint64_t kam_pair(int64_t bytes, int32_t result)
{
  return (uint64_t)bytes << 32 | (uint32_t)result;
}

uint64_t kam_eqn(int n, int sn, int dpl, int32_t *top) ENTRY("kam_eqn");
uint64_t kam_eqn(int n, int sn, int dpl, int32_t *top)
{
  struct rts_view stack = kam_view(top);
  int equal = rts_eqn(&stack, n, sn, dpl);
  return kam_pair(stack.taken * 4, equal);
}

uint64_t kam_ixdpl_checked(int sn, int dpl, int32_t *top) ENTRY("kam_ixdpl_checked");
uint64_t kam_ixdpl_checked(int sn, int dpl, int32_t *top)
{
  struct rts_view stack = kam_view(top);
  int32_t displacement = rts_clamp_word(rts_ixdpl(&stack, sn, dpl));
  return kam_pair(stack.taken * 4, displacement);
}

/* The element of a one-dimensional array, the common case of ixdpl. */
uint64_t kam_ixdpl(int sn, int dpl, int32_t *top) LEAN_ENTRY("kam_ixdpl");
uint64_t kam_ixdpl(int sn, int dpl, int32_t *top)
{
  int32_t displacement;
  if ((!kam_stack_base || kam_stack_base - top >= 2) &&
      rts_vector_element(top[0], top[1], sn, dpl, &displacement))
    return kam_pair(2 * 4, displacement);
  return kam_ixdpl_checked(sn, dpl, top);
}

/* The count word on top of the stack: n, or for 0 the size of the array
   described at (sn, dpl), whose elements then start at its base. */
static int64_t kam_block(struct rts_view *stack, int sn, int dpl, int64_t *start)
{
  int64_t count = rts_view_pop(stack);
  *start = dpl;
  if (count == 0) {
    count = getmemr(sn, dpl + 2);
    *start = getmemr(sn, dpl + 1);
  }
  return count;
}

int kam_popn(int sn, int dpl, int32_t *top) ENTRY("kam_popn");
int kam_popn(int sn, int dpl, int32_t *top)
{
  struct rts_view stack = kam_view(top);
  int64_t count = rts_view_pop(&stack);
  if (count == 0)
    count = getmemr(sn, dpl + 2);
  for (int64_t i = 0; i < count; ++i)
    rts_view_pop(&stack);
  return (int)stack.taken * 4;
}

int kam_stnvar(int sn, int dpl, int32_t *top) ENTRY("kam_stnvar");
int kam_stnvar(int sn, int dpl, int32_t *top)
{
  struct rts_view stack = kam_view(top);
  int64_t start;
  int64_t count = kam_block(&stack, sn, dpl, &start);
  for (int64_t i = count - 1; i >= 0; --i)
    putmemr(sn, start + i, rts_view_pop(&stack));
  return (int)stack.taken * 4;
}

/* ldnvar in two steps: the number of words that replace the count word
   (all checked as the machine checks them), then the words themselves. */
static struct { int sn; int64_t start; } kam_block_load;

int kam_ldnvar_count(int sn, int dpl, int32_t *top) ENTRY("kam_ldnvar_count");
int kam_ldnvar_count(int sn, int dpl, int32_t *top)
{
  struct rts_view stack = kam_view(top);
  int64_t start;
  int64_t count = kam_block(&stack, sn, dpl, &start);
  int64_t depth = stack.depth - stack.taken;
  for (int64_t i = 0; i < count; ++i) {
    rts_var_address(sn, start + i);
    if (kam_stack_base && depth + i >= rts_stack_size)
      rts_error("%s overflow, (stack size: %d)", "stack", rts_stack_size);
  }
  kam_block_load.sn = sn;
  kam_block_load.start = start;
  return count > 0 ? (int)count : 0;
}

void kam_ldnvar_fill(int32_t *room, int count) ENTRY("kam_ldnvar_fill");
void kam_ldnvar_fill(int32_t *room, int count)
{
  for (int i = 0; i < count; ++i)
    room[count - 1 - i] = getmemr(kam_block_load.sn, kam_block_load.start + i);
}

/* Calls: the return stack holds the code addresses where execution goes
   on after each return_. */

void kam_ascall(int32_t return_address) ENTRY("kam_ascall");
void kam_ascall(int32_t return_address)
{
  if (rts.rsp >= rts_stack_size)
    rts_error("%s overflow, (stack size: %d)", "return stack", rts_stack_size);
  rts.return_addresses[rts.rsp++] = return_address;
}

int32_t kam_asreturn(void) ENTRY("_asreturn_");
int32_t kam_asreturn(void)
{
  if (rts.rsp <= 0)
    rts_error("Empty %s", "return stack");
  return rts.return_addresses[--rts.rsp];
}

/* Input and output. */

int kam_rdbool(void) ENTRY("_rdbool");
int kam_rdbool(void) { return rdbool(); }

int kam_rdchar(void) ENTRY("_rdchar");
int kam_rdchar(void) { return rdchar(); }

int kam_rdint(void) ENTRY("_rdint");
int kam_rdint(void) { return rdint(); }

int kam_rdstring(int table_size) ENTRY("_rdstring");
int kam_rdstring(int table_size) { return rdstring(table_size); }

void kam_wrbool(int value) ENTRY("_wrbool");
void kam_wrbool(int value) { wrbool(value); }

void kam_wrchar(int value) ENTRY("_wrchar");
void kam_wrchar(int value) { wrchar(value); }

void kam_wrint(int value) ENTRY("_wrint");
void kam_wrint(int value) { wrint(value); }

void kam_wrstring(int table_size, int value) ENTRY("_wrstring");
void kam_wrstring(int table_size, int value) { wrstring(table_size, value); }
