#include "passcan.h"

void open_scope(integer lvl);
void close_scope(void);
void declare_const(string name, integer number);
void declare_var(string name, vtype t, integer *addr);
void declare_proc(string name, integer *lvl);
void find_var(string name, vtype *t, integer *addr);
void call_proc(string name);
void emit_op(opcode op);
void emit_load(integer addr);
void emit_store(integer addr, vtype t);
void emit_number(integer number, integer r);
void emit_bool(boolean b);
void check_types(vtype left, vtype right, vtype *result);
void expect_type(vtype given, vtype wanted);
void copy_type(vtype given, vtype *t);
void new_label(label *l);
void emit_jump(label l, boolean conditional);
void place_label(label l);
void emit_write(vtype t);
void emit_read(string name);
void start_program(string name, integer limit);
void finish_program(string title);
void default_vtype(vtype *t);
void default_opcode(opcode *op);
void set_op(opcode given, opcode *op);
void next_level(integer lvl, integer *deeper);
