/*
 * passtmt.h - what the statement actions (passtmt.c) offer the frame.
 */
#ifndef passtmt_h
#define passtmt_h

/* Forgets the for loops of a previous compilation. */
void statements_reset(void);

#endif
