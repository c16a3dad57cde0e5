/* tallyext.h - the C side of tallyext.inc, which the parser includes. */
#ifndef tallyext_h
#define tallyext_h

typedef enum { positive, negative } sign;

#endif
