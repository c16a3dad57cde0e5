/*
 * pastypes.h - the types and constants that minipas.inp declares, for C.
 *
 * pgen writes the declared types into attribute records and prototypes by
 * name, but it leaves their definitions to the compiler's author.  The
 * module pastypes has no actions, so pgen never writes this header; the
 * generated parser includes it before pasacts.h.  Every handle is a small
 * number that one of the compiler's tables gives out; 0 stands for "none"
 * (an erroneous name, type or construct), which the actions pass on
 * quietly so that one error is reported once.
 */
#ifndef pastypes_h
#define pastypes_h

typedef int typeid;   /* a type of pastype.c */
typedef int symbol;   /* an entry of passym.c */
typedef int varref;   /* a variable access of pasaccess.c */
typedef int callref;  /* a call of pascall.c */
typedef int loopref;  /* a for loop of passtmt.c */
typedef int piece;    /* a piece of code set aside by kamcode.c */
typedef int label;    /* a label of kamcode.c */

/* The operators, in the order of minipas.inp. */
typedef enum {
  opAdd, opSub, opOr, opMul, opDiv, opMod, opAnd, opEq, opNe, opLt, opLe, opGt, opGe
} oper;

/* The predefined types, the first entries of the type table. */
enum { tyError, tyInteger, tyBoolean, tyChar, tyString };

#endif
