#include "pasacts.h"

void open_scope(integer lvl)
{

} /* open_scope */

void close_scope(void)
{

} /* close_scope */

void declare_const(string name, integer number)
{

} /* declare_const */

void declare_var(string name, vtype t, integer *addr)
{

} /* declare_var */

void declare_proc(string name, integer *lvl)
{

} /* declare_proc */

void find_var(string name, vtype *t, integer *addr)
{

} /* find_var */

void call_proc(string name)
{

} /* call_proc */

void emit_op(opcode op)
{

} /* emit_op */

void emit_load(integer addr)
{

} /* emit_load */

void emit_store(integer addr, vtype t)
{

} /* emit_store */

void emit_number(integer number, integer r)
{

} /* emit_number */

void emit_bool(boolean b)
{

} /* emit_bool */

void check_types(vtype left, vtype right, vtype *result)
{

} /* check_types */

void expect_type(vtype given, vtype wanted)
{

} /* expect_type */

void copy_type(vtype given, vtype *t)
{

} /* copy_type */

void new_label(label *l)
{

} /* new_label */

void emit_jump(label l, boolean conditional)
{

} /* emit_jump */

void place_label(label l)
{

} /* place_label */

void emit_write(vtype t)
{

} /* emit_write */

void emit_read(string name)
{

} /* emit_read */

void start_program(string name, integer limit)
{

} /* start_program */

void finish_program(string title)
{

} /* finish_program */

void default_vtype(vtype *t)
{

} /* default_vtype */

void default_opcode(opcode *op)
{

} /* default_opcode */

void set_op(opcode given, opcode *op)
{

} /* set_op */

void next_level(integer lvl, integer *deeper)
{

} /* next_level */
