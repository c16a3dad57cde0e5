// The k2c translator's target: file names, fixed texts and templates.
#include "target.h"

namespace kamtrans {
namespace {

constexpr Target target{
  ".c", "lentab.h", "strtab.h",
  // prologue
  "#include \"rts.h\"\n"
  "#include \"%s\"\n"
  "#include \"%s\"\n"
  "int\n"
  "main(void)\n"
  "{\n",
  "l_%s: ",  // label
  "}\n",  // end of code
  "#define SEGLEN%s %s\n",  // length entry
  "char *StringTab[]= {\n",  // strings begin
  StringStyle::CInitialiser,
  "\t0\n};\n"
  "#define STRTABSIZE (sizeof StringTab/sizeof StringTab[0])-1\n",  // strings end
  OperandOrder::AsWritten,
  template_table({
    {kam::ABS_, "push(abs(pop()));\t\t\t/* abs_     */\n"},
    {kam::ADD, "push(pop() + pop());\t\t\t/* add      */\n"},
    {kam::AND, "push(pop() & pop());\t\t\t/* and      */\n"},
    {kam::CALL, "{ jmp_buf jmpbuf;\t\t\t/* call     */\n  if (setjmp(jmpbuf) == 0) {\n    ccall(&jmpbuf);\n    goto l_%s;\n  }\n}\n"},
    {kam::CRSEG, "crseg(%s, SEGLEN%s);\t\t\t/* crseg    */\n"},
    {kam::DESCR, "descr(%s, %s, %s);\t\t\t/* descr    */\n"},
    {kam::DLSEG, "dlseg();\t\t\t\t/* dlseg    */\n"},
    {kam::DVI, "{ int pop1= pop();\t\t\t/* dvi      */\n  push(dvi(pop(), pop1));\n}\n"},
    {kam::EQ, "push(pop() == pop());\t\t\t/* eq       */\n"},
    {kam::EQN, "push(eqn(pop(), %s, %s));\t\t/* eqn      */\n"},
    {kam::GE, "{ int pop1= pop();\t\t\t/* ge       */\n  push(pop() >= pop1);\n}\n"},
    {kam::GT, "{ int pop1= pop();\t\t\t/* gt       */\n  push(pop() > pop1);\n}\n"},
    {kam::HALT, "return 0;\t\t\t\t/* halt     */\n"},
    {kam::JIFF, "if (!pop())\t\t\t\t/* jiff     */\n  goto l_%s;\n"},
    {kam::JIFT, "if (pop())\t\t\t\t/* jift     */\n  goto l_%s;\n"},
    {kam::JUMP, "goto l_%s;\t\t\t\t/* jump     */\n"},
    {kam::LDCON, "push(%s); \t\t\t\t/* ldcon    */\n"},
    {kam::LDIND, "{ int addr= pop();\t\t\t/* ldind    */\n  push(addr);\n  push(getmema(addr));\n}\n"},
    {kam::LDNVAR, "{ int i, n= pop(), sn= %s, dpl= %s;\t/* ldnvar   */\n  if (n == 0) {\n    n= getmemr(sn, dpl+2);\n    dpl= getmemr(sn, dpl+1);\n  }\n  for (i= 0; i < n; i++)\n    push(getmemr(sn, dpl+i));\n}\n"},
    {kam::LDVAR, "push(getmemr(%s, %s));\t\t\t/* ldvar    */\n"},
    {kam::LDXVAR, "{ int sn= %s;\t\t\t\t/* ldxvar   */\n  push(getmemr(sn, ixdpl(sn, %s)));\n}\n"},
    {kam::LE, "{ int pop1= pop();\t\t\t/* le       */\n  push(pop() <= pop1);\n}\n"},
    {kam::LT, "{ int pop1= pop();\t\t\t/* lt       */\n  push(pop() < pop1);\n}\n"},
    {kam::MDL, "{ int pop1= pop();\t\t\t/* mdl      */\n  push(mdl(pop(), pop1));\n}\n"},
    {kam::MUL, "push(pop() * pop());\t\t\t/* mul      */\n"},
    {kam::NE, "push(pop() != pop());\t\t\t/* ne       */\n"},
    {kam::NEG, "push(-pop());\t\t\t\t/* neg      */\n"},
    {kam::NEN, "push(!eqn(pop(), %s, %s));\t\t/* nen      */\n"},
    {kam::NOOP, "\t\t\t\t\t/* noop     */\n"},
    {kam::NOT, "push(pop() == 0);\t\t\t/* not      */\n"},
    {kam::OR, "push(pop() | pop());\t\t\t/* or       */\n"},
    {kam::POP, "pop();\t\t\t\t\t/* pop      */\n"},
    {kam::POPN, "{ int n= pop(), sn= %s, dpl= %s;\t/* popn     */\n  if (n == 0)\n    n= getmemr(sn, dpl+2);\n  while (n--)\n    pop();\n}\n"},
    {kam::RDBOOL, "push(rdbool());\t\t\t/* rdbool   */\n"},
    {kam::RDCHAR, "push(rdchar());\t\t\t/* rdchar   */\n"},
    {kam::RDINT, "push(rdint());\t\t\t\t/* rdint    */\n"},
    {kam::RDSTRING, "push(rdstring(STRTABSIZE));\t\t/* rdstring */\n"},
    {kam::RETURN_, "{ jmp_buf jmpbuf;\t\t\t/* return_  */\n  creturn_(&jmpbuf);\n  longjmp(jmpbuf, 1);\n}\n"},
    {kam::STIND, "{ int val= pop(), addr= pop();\t\t/* stind    */\n  push(addr);\n  putmema(val, addr);\n}\n"},
    {kam::STNVAR, "{ int n= pop(), sn= %s, dpl= %s;\t/* stnvar   */\n  if (n == 0) {\n    n= getmemr(sn, dpl+2);\n    dpl= getmemr(sn, dpl+1);\n  }\n  while (--n >= 0)\n    putmemr(sn, dpl+n, pop());\n}\n"},
    {kam::STVAR, "putmemr(%s, %s, pop());\t\t/* stvar    */\n"},
    {kam::STXVAR, "{ int sn= %s, dpl= ixdpl(sn, %s);\t\t/* stxvar   */\n  putmemr(sn, dpl, pop());\n}\n"},
    {kam::SUB, "{ int pop1= pop();\t\t\t/* sub      */\n  push(pop() - pop1);\n}\n"},
    {kam::SWAP, "swap();\t\t\t\t/* swap     */\n"},
    {kam::VARADDR, "push(varaddr(%s, %s));\t\t\t/* varaddr  */\n"},
    {kam::WRBOOL, "wrbool(push(pop()));\t\t\t\t/* wrbool   */\n"},
    {kam::WRCHAR, "wrchar(push(pop()));\t\t\t\t/* wrchar   */\n"},
    {kam::WRINT, "wrint(push(pop()));\t\t\t\t/* wrint    */\n"},
    {kam::WRSTRING, "wrstring(STRTABSIZE, push(pop()));\t\t/* wrstring    */\n"},
    {kam::XVARADDR, "{ int sn= %s;\t\t\t\t/* xvaraddr */\n  push(varaddr(sn, ixdpl(sn, %s)));\n}\n"},
  }),
};

}  // namespace

const Target& translator_target = target;

}  // namespace kamtrans
