/* The actions of tally: KAM code for a program of one segment, on standard
   output, one instruction a line. */
#include <stdio.h>

#include "tallyact.h"

void begin_program(void) { printf("crseg 1 1\n"); }
void end_program(void) { printf("dlseg\nhalt\n.\n1: 0\n.\n"); }
void load(integer number) { printf("ldcon %d\n", number); }
void emit_add(void) { printf("add\n"); }
void emit_sub(void) { printf("sub\n"); }
void emit_neg(void) { printf("neg\n"); }
void emit_print(void) { printf("wrint\npop\n"); }
