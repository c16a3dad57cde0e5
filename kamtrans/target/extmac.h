/*
 * extmac.h - support of programs translated by k2a: the routines that the
 * __asm block calls and the macros of the instructions that take a varying
 * number of words from the stack (Intel syntax, MSVC-style __asm blocks;
 * clang accepts them with -fasm-blocks).  The routines are those of the
 * support library kamsupport.c, compiled with KAM_SUPPORT_FOR_K2A:
 *
 *     clang -m32 -fno-pic -no-pie -fasm-blocks -I DIR -DKAM_SUPPORT_FOR_K2A \
 *       prog.c DIR/kamsupport.c
 *
 * (in position-independent code clang's assembler blocks call the routines
 * through their GOT entries as if these were the routines' addresses).
 *
 * The evaluation stack is the processor stack, as in k2s programs; since a
 * k2a program starts in its own main, the support cannot see where that
 * stack begins, so taking words from an empty stack is not reported.
 */
#ifndef zedra_extmac_h
#define zedra_extmac_h

#include <stdlib.h>

#if defined(__GNUC__) && !defined(_WIN32)
/* On systems whose C names carry no leading underscore the library routines
   are reached under the names that the 80386 translation uses. */
#define KAM_ROUTINE(name) __asm__(name)
#else
#define KAM_ROUTINE(name)
#endif

/* abs_ leaves one more word for the "add esp, 4" that follows the call. */
int kam_abs(int value) KAM_ROUTINE("_abs");
#define abs kam_abs

int getmemr(int sn, int dpl) KAM_ROUTINE("_getmemr");
void putmemr(int sn, int dpl, int value) KAM_ROUTINE("_putmemr");
int varaddr(int sn, int dpl) KAM_ROUTINE("_varaddr");
int getmema(int address) KAM_ROUTINE("_getmema");
void putmema(int value, int address) KAM_ROUTINE("_putmema");
void crseg(int sn, int length) KAM_ROUTINE("_crseg");
void dlseg(void) KAM_ROUTINE("_dlseg");
int asreturn_(void) KAM_ROUTINE("_asreturn_");
int rdbool(void) KAM_ROUTINE("_rdbool");
int rdchar(void) KAM_ROUTINE("_rdchar");
int rdint(void) KAM_ROUTINE("_rdint");
int rdstring(int table_size) KAM_ROUTINE("_rdstring");
void wrbool(int value) KAM_ROUTINE("_wrbool");
void wrchar(int value) KAM_ROUTINE("_wrchar");
void wrint(int value) KAM_ROUTINE("_wrint");
void wrstring(int table_size, int value) KAM_ROUTINE("_wrstring");

/* Behind the macros: they give the bytes to drop from the stack (in edx
   when eax holds a result). */
void kam_ascall(int return_address);
int kam_descr(int sn, int dpl, int dims, int *top);
unsigned long long kam_eqn(int n, int sn, int dpl, int *top);
unsigned long long kam_ixdpl(int sn, int dpl, int *top);
int kam_popn(int sn, int dpl, int *top);
int kam_stnvar(int sn, int dpl, int *top);
int kam_ldnvar_count(int sn, int dpl, int *top);
void kam_ldnvar_fill(int *room, int count);

/* The return labels R8 ... R15 of k2a's calls are register names to
   clang's assembler blocks (x86-64 registers, refused in 32-bit code);
   they get other names here. */
#define R8 kam_return_8
#define R9 kam_return_9
#define R10 kam_return_10
#define R11 kam_return_11
#define R12 kam_return_12
#define R13 kam_return_13
#define R14 kam_return_14
#define R15 kam_return_15

/* call: remember the return label, jump. The label's address is taken with
   lea: clang's assembler blocks turn "push offset label" into a 16-bit push
   of an undefined symbol. */
#define xcall(return_label, target) \
  __asm lea eax, return_label \
  __asm push eax \
  __asm call kam_ascall \
  __asm add esp, 4 \
  __asm jmp target

/* descr(sn, dpl, n): the bounds come off the stack. */
#define descr(sn, dpl, dims) \
  __asm mov eax, esp \
  __asm push eax \
  __asm push dims \
  __asm push dpl \
  __asm push sn \
  __asm call kam_descr \
  __asm add esp, 16 \
  __asm add esp, eax

/* eqn(reg, sn, dpl): reg holds the count; leaves 1 in eax when equal. */
#define eqn(count, sn, dpl) \
  __asm mov ecx, esp \
  __asm push ecx \
  __asm push dpl \
  __asm push sn \
  __asm push count \
  __asm call kam_eqn \
  __asm add esp, 16 \
  __asm add esp, edx

/* ixdpl(sn, dpl): replaces the selector and index words by the
   displacement. */
#define ixdpl(sn, dpl) \
  __asm mov eax, esp \
  __asm push eax \
  __asm push dpl \
  __asm push sn \
  __asm call kam_ixdpl \
  __asm add esp, 12 \
  __asm add esp, edx \
  __asm push eax

#define KAM_TAKE_WORDS(routine, sn, dpl) \
  __asm mov eax, esp \
  __asm push eax \
  __asm push dpl \
  __asm push sn \
  __asm call routine \
  __asm add esp, 12 \
  __asm add esp, eax

/* popn(sn, dpl) and stnvar(sn, dpl): the count word and the words it
   counts leave the stack. */
#define popn(sn, dpl) KAM_TAKE_WORDS(kam_popn, sn, dpl)
#define stnvar(sn, dpl) KAM_TAKE_WORDS(kam_stnvar, sn, dpl)

/* ldnvar(sn, dpl): the count word is replaced by the words of the
   variables. */
#define ldnvar(sn, dpl) \
  __asm mov eax, esp \
  __asm push eax \
  __asm push dpl \
  __asm push sn \
  __asm call kam_ldnvar_count \
  __asm add esp, 12 \
  __asm mov esi, eax \
  __asm lea ecx, [esi*4-4] \
  __asm sub esp, ecx \
  __asm mov ecx, esp \
  __asm push esi \
  __asm push ecx \
  __asm call kam_ldnvar_fill \
  __asm add esp, 8

#endif
