#ifndef edgeacts_h
#define edgeacts_h
#include "edgescan.h"

void zero(integer *v);
void copy(integer from, integer *to);
void add(integer left, integer right, integer *sum);
void take(integer v);
void note(void);

#endif
