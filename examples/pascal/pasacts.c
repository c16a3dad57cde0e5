/*
 * pasacts.c - the frame of the MiniPas compiler and the small actions that
 * only pass values on.
 *
 * pgen writes the prototypes of all actions of minipas.inp into pasacts.h;
 * their bodies live here and, by the part of the language they compile, in
 * pasdecl.c, pasexpr.c, passtmt.c and pascall.c.  The compiler is the
 * generated main: i_init reads the command line (with the option -o of
 * kamfile.c), the parser calls start_compiler, compiles the program and
 * calls finish_compiler, which writes the KAM code file.
 */
#include "pastypes.h"
#include "pasacts.h"

#include "kamcode.h"
#include "kamfile.h"
#include "kamtabs.h"
#include "pasaccess.h"
#include "pascall.h"
#include "pasdecl.h"
#include "passtmt.h"
#include "passym.h"
#include "pastype.h"

/* Called by i_init before it reads the command line. */
void i_declare_options(void)
{
  kam_file_options();
}

void start_compiler(void)
{
  kam_code_reset();
  kam_tables_reset();
  types_reset();
  symbols_reset();
  accesses_reset();
  calls_reset();
  statements_reset();
  declarations_start();
}

/* The parser checks for text behind the program's end after this last
   action; such text is an error, so the KAM code is not written then. */
void finish_compiler(void)
{
  kam_file_finish(i_look_ahead == i_EndOfFile);
}

/* The line of the current token: an action placed before a token that
   carries no line of its own keeps the token's line this way. */
void here(integer *line)
{
  *line = i_token_line();
}

void no_type(typeid *t)
{
  *t = tyError;
}

void no_value(integer *value)
{
  *value = 0;
}

void no_oper(oper *op)
{
  *op = opAdd;
}

void copy_type(typeid given, typeid *t)
{
  *t = given;
}

void set_op(oper given, oper *op)
{
  *op = given;
}

void set_sign(boolean negative, boolean *sign)
{
  *sign = negative;
}
