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
  {{
    "push(abs(pop()));\t\t\t/* abs_     */\n",  // abs_
    "push(pop() + pop());\t\t\t/* add      */\n",  // add
    "push(pop() & pop());\t\t\t/* and      */\n",  // and
    "{ jmp_buf jmpbuf;\t\t\t/* call     */\n  if (setjmp(jmpbuf) == 0) {\n    ccall(&jmpbuf);\n    goto l_%s;\n  }\n}\n",  // call
    "crseg(%s, SEGLEN%s);\t\t\t/* crseg    */\n",  // crseg
    "descr(%s, %s, %s);\t\t\t/* descr    */\n",  // descr
    "dlseg();\t\t\t\t/* dlseg    */\n",  // dlseg
    "{ int pop1= pop();\t\t\t/* dvi      */\n  push(dvi(pop(), pop1));\n}\n",  // dvi
    "push(pop() == pop());\t\t\t/* eq       */\n",  // eq
    "push(eqn(pop(), %s, %s));\t\t/* eqn      */\n",  // eqn
    "{ int pop1= pop();\t\t\t/* ge       */\n  push(pop() >= pop1);\n}\n",  // ge
    "{ int pop1= pop();\t\t\t/* gt       */\n  push(pop() > pop1);\n}\n",  // gt
    "return 0;\t\t\t\t/* halt     */\n",  // halt
    "if (!pop())\t\t\t\t/* jiff     */\n  goto l_%s;\n",  // jiff
    "if (pop())\t\t\t\t/* jift     */\n  goto l_%s;\n",  // jift
    "goto l_%s;\t\t\t\t/* jump     */\n",  // jump
    "push(%s); \t\t\t\t/* ldcon    */\n",  // ldcon
    "{ int addr= pop();\t\t\t/* ldind    */\n  push(addr);\n  push(getmema(addr));\n}\n",  // ldind
    "{ int i, n= pop(), sn= %s, dpl= %s;\t/* ldnvar   */\n  if (n == 0) {\n    n= getmemr(sn, dpl+2);\n    dpl= getmemr(sn, dpl+1);\n  }\n  for (i= 0; i < n; i++)\n    push(getmemr(sn, dpl+i));\n}\n",  // ldnvar
    "push(getmemr(%s, %s));\t\t\t/* ldvar    */\n",  // ldvar
    "{ int sn= %s;\t\t\t\t/* ldxvar   */\n  push(getmemr(sn, ixdpl(sn, %s)));\n}\n",  // ldxvar
    "{ int pop1= pop();\t\t\t/* le       */\n  push(pop() <= pop1);\n}\n",  // le
    "{ int pop1= pop();\t\t\t/* lt       */\n  push(pop() < pop1);\n}\n",  // lt
    "{ int pop1= pop();\t\t\t/* mdl      */\n  push(mdl(pop(), pop1));\n}\n",  // mdl
    "push(pop() * pop());\t\t\t/* mul      */\n",  // mul
    "push(pop() != pop());\t\t\t/* ne       */\n",  // ne
    "push(-pop());\t\t\t\t/* neg      */\n",  // neg
    "push(!eqn(pop(), %s, %s));\t\t/* nen      */\n",  // nen
    "\t\t\t\t\t/* noop     */\n",  // noop
    "push(pop() == 0);\t\t\t/* not      */\n",  // not
    "push(pop() | pop());\t\t\t/* or       */\n",  // or
    "pop();\t\t\t\t\t/* pop      */\n",  // pop
    "{ int n= pop(), sn= %s, dpl= %s;\t/* popn     */\n  if (n == 0)\n    n= getmemr(sn, dpl+2);\n  while (n--)\n    pop();\n}\n",  // popn
    "push(rdbool());\t\t\t/* rdbool   */\n",  // rdbool
    "push(rdchar());\t\t\t/* rdchar   */\n",  // rdchar
    "push(rdint());\t\t\t\t/* rdint    */\n",  // rdint
    "push(rdstring(STRTABSIZE));\t\t/* rdstring */\n",  // rdstring
    "{ jmp_buf jmpbuf;\t\t\t/* return_  */\n  creturn_(&jmpbuf);\n  longjmp(jmpbuf, 1);\n}\n",  // return_
    "{ int val= pop(), addr= pop();\t\t/* stind    */\n  push(addr);\n  putmema(val, addr);\n}\n",  // stind
    "{ int n= pop(), sn= %s, dpl= %s;\t/* stnvar   */\n  if (n == 0) {\n    n= getmemr(sn, dpl+2);\n    dpl= getmemr(sn, dpl+1);\n  }\n  while (--n >= 0)\n    putmemr(sn, dpl+n, pop());\n}\n",  // stnvar
    "putmemr(%s, %s, pop());\t\t/* stvar    */\n",  // stvar
    "{ int sn= %s, dpl= ixdpl(sn, %s);\t\t/* stxvar   */\n  putmemr(sn, dpl, pop());\n}\n",  // stxvar
    "{ int pop1= pop();\t\t\t/* sub      */\n  push(pop() - pop1);\n}\n",  // sub
    "swap();\t\t\t\t/* swap     */\n",  // swap
    "push(varaddr(%s, %s));\t\t\t/* varaddr  */\n",  // varaddr
    "wrbool(push(pop()));\t\t\t\t/* wrbool   */\n",  // wrbool
    "wrchar(push(pop()));\t\t\t\t/* wrchar   */\n",  // wrchar
    "wrint(push(pop()));\t\t\t\t/* wrint    */\n",  // wrint
    "wrstring(STRTABSIZE, push(pop()));\t\t/* wrstring    */\n",  // wrstring
    "{ int sn= %s;\t\t\t\t/* xvaraddr */\n  push(varaddr(sn, ixdpl(sn, %s)));\n}\n",  // xvaraddr
  }},
};

}  // namespace

const Target& translator_target = target;

}  // namespace kamtrans
