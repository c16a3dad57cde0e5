#ifndef pairact_h
#define pairact_h
#include <stdio.h>
#include "pairscan.h"

void unknown(integer *n);
void one(integer *n);
void tenfold(integer n, integer *m);
void show(integer n);

#endif
