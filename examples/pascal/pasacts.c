/* The MiniPas actions: a symbol table of nested scopes, type checks, and
   code for a small stack machine, written to standard output one
   instruction a line. Errors go through the runtime's report, so they are
   listed, shown and counted like syntax errors. */
#include "pasacts.h"

enum { capacity = 64 };

/* Messages of the runtime's catalogue that the checks report. */
enum { eDOUBLE = 6, eNOTFOUND = 31, eTOOMANY = 38, eTYPES = 39 };

typedef enum { kConst, kVar, kProc } kind;

static struct {
  string name;
  kind what;
  vtype type;
  integer addr;
} symbols[capacity];

static int symbol_count;
static int scope_start[maxLevel + 1];
static int scope_level= -1;
static int next_address;
static label label_count;

static const char *type_names[]= { "integer", "boolean", "error" };
static const char *op_names[]= { "ADD", "SUB", "MUL", "DIV", "EQ", "LT", "GT", "NEG", "NOT" };

static int find(const char *name)
{
  for (int i= symbol_count - 1; i >= 0; --i)
    if (strcmp(symbols[i].name, name) == 0) return i;
  return -1;
}

static int declare(const char *name, kind what, vtype type, integer addr)
{
  for (int i= scope_start[scope_level]; i < symbol_count; ++i)
    if (strcmp(symbols[i].name, name) == 0) {
      i_report(eDOUBLE, name);
      return -1;
    }
  if (symbol_count == capacity) {
    i_report(eTOOMANY, "identifiers");
    return -1;
  }
  strcpy(symbols[symbol_count].name, name);
  symbols[symbol_count].what= what;
  symbols[symbol_count].type= type;
  symbols[symbol_count].addr= addr;
  return symbol_count++;
}

void open_scope(integer lvl)
{
  if (lvl > maxLevel) {
    i_report(eTOOMANY, "nested procedures");
    lvl= maxLevel;
  }
  scope_level= lvl;
  scope_start[lvl]= symbol_count;
}

void close_scope(void)
{
  if (scope_level < 0) return;
  symbol_count= scope_start[scope_level];
  --scope_level;
}

void declare_const(string name, integer number)
{
  integer addr= next_address++;
  declare(name, kConst, tyInteger, addr);
  printf("  CONST %d %d\n", addr, number);
}

void declare_var(string name, vtype t, integer *addr)
{
  *addr= next_address++;
  declare(name, kVar, t, *addr);
}

void declare_proc(string name, integer *lvl)
{
  *lvl= scope_level;
  declare(name, kProc, tyError, noAddress);
  printf("PROC %s\n", name);
}

void find_var(string name, vtype *t, integer *addr)
{
  int found= find(name);
  if (found < 0 || symbols[found].what == kProc) {
    i_report(eNOTFOUND, name);
    *t= tyError;
    *addr= noAddress;
    return;
  }
  *t= symbols[found].type;
  *addr= symbols[found].addr;
}

void call_proc(string name)
{
  int found= find(name);
  if (found < 0 || symbols[found].what != kProc) i_report(eNOTFOUND, name);
  printf("  CALL %s\n", name);
}

void emit_op(opcode op) { printf("  %s\n", op_names[op]); }

void emit_load(integer addr) { printf("  LOAD %d\n", addr); }

void emit_store(integer addr, vtype t)
{
  printf("  STORE %d (%s)\n", addr, type_names[t]);
}

void emit_number(integer number, integer r)
{
  printf(r == hexadecimal ? "  PUSH %#x\n" : "  PUSH %d\n", number);
}

void emit_bool(boolean b) { printf("  PUSH %s\n", b ? "true" : "false"); }

/* Both operands have one type; a comparison keeps the type of its operands,
   so a condition may be an integer (non-zero is true). */
static boolean compatible(vtype given, vtype wanted)
{
  return given == wanted || given == tyError || wanted == tyError
      || (wanted == tyBoolean && given == tyInteger);
}

void check_types(vtype left, vtype right, vtype *result)
{
  *result= left;
  if (left != right && left != tyError && right != tyError) {
    i_report(eTYPES, type_names[left], type_names[right]);
    *result= tyError;
  }
}

void expect_type(vtype given, vtype wanted)
{
  if (!compatible(given, wanted)) i_report(eTYPES, type_names[given], type_names[wanted]);
}

void copy_type(vtype given, vtype *t) { *t= given; }
void new_label(label *l) { *l= ++label_count; }

void emit_jump(label l, boolean conditional)
{
  printf("  %s L%d\n", conditional ? "JUMPFALSE" : "JUMP", l);
}

void place_label(label l) { printf("L%d:\n", l); }
void emit_write(vtype t) { printf("  WRITE %s\n", type_names[t]); }

void emit_read(string name)
{
  vtype t;
  integer addr;
  find_var(name, &t, &addr);
  printf("  READ %d\n", addr);
}

void start_program(string name, integer limit)
{
  printf("PROGRAM %s (at most %d levels)\n", name, limit);
}

void finish_program(const char *title) { printf("END (%s)\n", title); }
void default_vtype(vtype *t) { *t= tyError; }
void default_opcode(opcode *op) { *op= opAdd; }
void set_op(opcode given, opcode *op) { *op= given; }
void next_level(integer lvl, integer *deeper) { *deeper= lvl + 1; }
