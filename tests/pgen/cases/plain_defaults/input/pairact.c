#include "pairact.h"

void unknown(integer *n) { *n = -1; }
void one(integer *n) { *n = 1; }
void tenfold(integer n, integer *m) { *m = 10 * n; }
void show(integer n) { printf("n = %d\n", n); }
