/*
 * k2xact.c - the actions of the KAM-code reader k2x: each hands what the
 * parser read to the back-end of the translator it is linked with.  The
 * prototypes in k2xact.h are the ones pgen writes for the ACTIONS of k2x.inp.
 */
#include "k2xact.h"

#include "backend.h"

/* The module name of the input, kept by the runtime. */
extern const char *i_module_name(void);

void do_line(void)
{
  note_line();
}

void do_begin_code(void)
{
  backend_set_module(i_module_name());
  begin_code();
}

void do_label(string number)
{
  emit_label(number);
}

void do_code(integer value, integer *op_number)
{
  *op_number = value;
}

/* Default of the opcode attribute; every instruction word sets its own. */
void no_opcode(integer *op_number)
{
  *op_number = 0;
}

void do_op0(integer opcode)
{
  emit_instruction(opcode, NULL, NULL, NULL);
}

void do_op1(integer opcode, string first)
{
  emit_instruction(opcode, first, NULL, NULL);
}

void do_op2(integer opcode, string first, string second)
{
  emit_instruction(opcode, first, second, NULL);
}

void do_op3(integer opcode, string first, string second, string third)
{
  emit_instruction(opcode, first, second, third);
}

void do_end_code(void)
{
  end_code();
}

void do_begin_lengths(void)
{
  begin_lengths();
}

void do_length(string index, string value)
{
  emit_length(index, value);
}

void do_end_lengths(void)
{
  end_lengths();
}

void do_begin_strings(void)
{
  begin_strings();
}

void do_string(string number, string text)
{
  emit_string(number, text);
}

void do_end_strings(void)
{
  end_strings();
}
