#include "pasacts.h"

void start_compiler(void)
{

} /* start_compiler */

void finish_compiler(void)
{

} /* finish_compiler */

void begin_program(string name, integer line)
{

} /* begin_program */

void begin_body(void)
{

} /* begin_body */

void end_body(void)
{

} /* end_body */

void note_name(string name, integer line)
{

} /* note_name */

void declare_const(string name, integer line, typeid t, integer value)
{

} /* declare_const */

void declare_type(string name, integer line, typeid t)
{

} /* declare_type */

void declare_vars(typeid t)
{

} /* declare_vars */

void declare_procedure(string name, integer line, symbol *r)
{

} /* declare_procedure */

void declare_function(string name, integer line, symbol *r)
{

} /* declare_function */

void declare_params(boolean by_reference, typeid t)
{

} /* declare_params */

void set_result(symbol r, typeid t, integer line)
{

} /* set_result */

void close_routine(symbol r)
{

} /* close_routine */

void copy_type(typeid given, typeid *t)
{

} /* copy_type */

void named_type(string name, integer line, typeid *t)
{

} /* named_type */

void begin_array(integer *mark)
{

} /* begin_array */

void add_range(typeid low_type, integer low, typeid high_type, integer high, integer line)
{

} /* add_range */

void make_array(integer mark, typeid element, typeid *t)
{

} /* make_array */

void set_sign(boolean negative, boolean *sign)
{

} /* set_sign */

void constant_value(integer mark, typeid t, integer line, integer *value, typeid *ct)
{

} /* constant_value */

void here(integer *line)
{

} /* here */

void no_type(typeid *t)
{

} /* no_type */

void no_value(integer *value)
{

} /* no_value */

void lookup(string name, integer line, symbol *s)
{

} /* lookup */

void load_number(integer number, typeid *t)
{

} /* load_number */

void load_char(char c, typeid *t)
{

} /* load_char */

void load_bool(boolean b, typeid *t)
{

} /* load_bool */

void load_string(string text, integer line, typeid *t)
{

} /* load_string */

void set_op(oper given, oper *op)
{

} /* set_op */

void no_oper(oper *op)
{

} /* no_oper */

void binary(oper op, integer line, typeid left, typeid right, typeid *t)
{

} /* binary */

void compare(oper op, integer line, typeid left, typeid right, typeid *t)
{

} /* compare */

void sign(boolean negative, integer line, typeid given, typeid *t)
{

} /* sign */

void negation(integer line, typeid given, typeid *t)
{

} /* negation */

void to_ordinal(integer line, typeid given, typeid *t)
{

} /* to_ordinal */

void to_char(integer line, typeid given, typeid *t)
{

} /* to_char */

void begin_access(symbol s, integer line, varref *a)
{

} /* begin_access */

void add_index(varref a, typeid t)
{

} /* add_index */

void load_access(varref a, typeid *t)
{

} /* load_access */

void end_selectors(varref a)
{

} /* end_selectors */

void begin_call(symbol s, integer line, boolean as_function, callref *c)
{

} /* begin_call */

void copy_call(callref c, callref *copy)
{

} /* copy_call */

void begin_argument(callref c)
{

} /* begin_argument */

void end_argument(callref c, typeid t)
{

} /* end_argument */

void end_function_call(callref c, typeid *t)
{

} /* end_function_call */

void end_procedure_call(callref c)
{

} /* end_procedure_call */

void begin_target(symbol s, integer line, varref *a)
{

} /* begin_target */

void target_value(varref a)
{

} /* target_value */

void assign(varref a, typeid t)
{

} /* assign */

void read_value(varref a)
{

} /* read_value */

void skip_line(void)
{

} /* skip_line */

void new_label(label *l)
{

} /* new_label */

void place_label(label l)
{

} /* place_label */

void emit_jump(label l)
{

} /* emit_jump */

void jump_if_false(typeid t, label l)
{

} /* jump_if_false */

void code_mark(integer *mark)
{

} /* code_mark */

void end_condition(integer mark, typeid t, piece *p)
{

} /* end_condition */

void paste_condition(piece p, label l)
{

} /* paste_condition */

void begin_for(string name, integer line, loopref *f)
{

} /* begin_for */

void for_start(loopref f, typeid t)
{

} /* for_start */

void for_direction(loopref f, boolean down)
{

} /* for_direction */

void for_limit(loopref f, typeid t)
{

} /* for_limit */

void end_for(loopref f)
{

} /* end_for */

void write_value(typeid t)
{

} /* write_value */

void write_nothing(void)
{

} /* write_nothing */
