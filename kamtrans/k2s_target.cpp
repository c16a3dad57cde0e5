// The k2s translator's target: file names, fixed texts and templates.
#include "target.h"

namespace kamtrans {
namespace {

constexpr Target target{
  ".s", "lentab.s", "strtab.s",
  // prologue
  ".include \"extmac.s\"\t# include array/call macros\n"
  ".include \"%s\"\t# include segment length macros\n"
  ".include \"%s\"\t# include string table\n"
  "\n.global _main\t\t\t# export main routine\n"
  "_main:\t\t\t\t# 80386 assembler of kam code\n",
  "L%s:\n",  // label
  "",  // end of code
  ".equ SEGLEN%s, %s\n",  // length entry
  ".global _StringTab\n.data\n\t.align 2\n_StringTab:\n",  // strings begin
  StringStyle::AddressTable,
  "",  // strings end
  OperandOrder::ForStackCalls,
  {{
    "\tcall\t_abs\t\t# abs_\n\taddl\t$4,%%esp\n",  // abs_
    "\tpopl\t%%eax\t\t# add\n\taddl\t%%eax, (%%esp)\n",  // add
    "\tpopl\t%%eax\t\t# and\n\tandl\t%%eax, (%%esp)\n",  // and
    "\txcall\tR%d, L%s\t\t# call\nR%d:\n\t.long\t.+4\n",  // call
    "\tpushl\t$SEGLEN%s\t# crseg\n\tpushl\t$%s\n\tcall\t_crseg\n\taddl\t$8, %%esp\n",  // crseg
    "\tdescr\t$%s, $%s, $%s\t# descr\n",  // descr
    "\tcall\t_dlseg\t\t# dlseg\n",  // dlseg
    "\tpopl\t%%ebx\t\t# dvi\n\tmovl\t(%%esp), %%eax\n\tcltd\n\tidivl\t%%ebx\n\tmovl\t%%eax, (%%esp)\n",  // dvi
    "\tpopl\t%%eax\t\t# eq\n\tcmpl\t%%eax, (%%esp)\n\tsete\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n",  // eq
    "\tpopl\t%%eax\t\t# eqn\n\teqn\t%%eax, $%s, $%s\n\tpushl\t%%eax\n",  // eqn
    "\tpopl\t%%eax\t\t# ge\n\tcmpl\t%%eax, (%%esp)\n\tsetge\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n",  // ge
    "\tpopl\t%%eax\t\t# gt\n\tcmpl\t%%eax, (%%esp)\n\tsetg\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n",  // gt
    "\tpush\t$0\t\t# halt\n\tcall\t_exit\n",  // halt
    "\tpopl\t%%eax\t\t# jiff\n\ttestl\t%%eax, %%eax\n\tje\tL%s\n",  // jiff
    "\tpopl\t%%eax\t\t# jift\n\ttestl\t%%eax, %%eax\n\tjne\tL%s\n",  // jift
    "\tjmp\tL%s\t\t# jump\n",  // jump
    "\tpushl\t$%s\t\t# ldcon\n",  // ldcon
    "\tpushl\t(%%esp)\t\t# ldind\n\tcall\t_getmema\n\taddl\t$4, %%esp\n\tpushl\t%%eax\n",  // ldind
    "\tldnvar\t$%s, $%s\t# ldnvar\n",  // ldnvar
    "\tpushl\t$%s\t\t# ldvar\n\tpushl\t$%s\n\tcall\t_getmemr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n",  // ldvar
    "\tixdpl\t$%s, $%s\t# ldxvar\n\tpushl\t$%s\n\tcall\t_getmemr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n",  // ldxvar
    "\tpopl\t%%eax\t\t# le\n\tcmpl\t%%eax, (%%esp)\n\tsetle\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n",  // le
    "\tpopl\t%%eax\t\t# lt\n\tcmpl\t%%eax, (%%esp)\n\tsetl\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n",  // lt
    "\tpopl\t%%ebx\t\t# mdl\n\tmovl\t(%%esp), %%eax\n\tcltd\n\tidivl\t%%ebx\n\tmovl\t%%edx, (%%esp)\n",  // mdl
    "\tpopl\t%%eax\t\t# mul\n\timull\t(%%esp)\n\tmovl\t%%eax, (%%esp)\n",  // mul
    "\tpopl\t%%eax\t\t# ne\n\tcmpl\t%%eax, (%%esp)\n\tsetne\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n",  // ne
    "\tnegl\t(%%esp)\t\t# neg\n",  // neg
    "\tpopl\t%%eax\t\t# nen\n\teqn\t%%eax, $%s, $%s\n\tcmpl\t$0, %%eax\n\tsete\t%%al\n\tmovzbl\t%%al, %%eax\n\tpushl\t%%eax\n",  // nen
    "\tnop\t\t\t# noop\n",  // noop
    "\tpopl\t%%eax\t# not\n\tcmpl\t$0, %%eax\n\tsete\t%%al\n\tmovzbl\t%%al, %%eax\n\tpushl\t%%eax\n",  // not
    "\tpopl\t%%eax\t\t# or\n\torl\t%%eax, (%%esp)\n",  // or
    "\tpopl\t%%eax\t\t# pop\n",  // pop
    "\tpopn\t$%s, $%s\t# popn\n",  // popn
    "\tcall\t_rdbool\t \t# rdbool\n\tpushl\t%%eax\n",  // rdbool
    "\tcall\t_rdchar\t \t# rdchar\n\tpushl\t%%eax\n",  // rdchar
    "\tcall\t_rdint\t \t# rdint\n\tpushl\t%%eax\n",  // rdint
    "\tpushl\t$STRTABSIZE\t# rdstring\n\tcall\t_rdstring\n\taddl\t$4, %%esp\n\tpushl\t%%eax\n",  // rdstring
    "\tcall\t_asreturn_\t# return_\n\tjmp\t%%eax\n",  // return_
    "\tcall\t_putmema\t# stind\n\taddl\t$4, %%esp\n",  // stind
    "\tstnvar\t$%s, $%s\t# stnvar\n",  // stnvar
    "\tpushl\t$%s\t\t# stvar\n\tpushl\t$%s\n\tcall\t_putmemr\n\taddl\t$12, %%esp\n",  // stvar
    "\tixdpl\t$%s, $%s\t# stxvar\n\tpushl\t$%s\n\tcall\t_putmemr\n\taddl\t$12, %%esp\n",  // stxvar
    "\tpopl\t%%eax\t\t# sub\n\tnegl\t%%eax\n\taddl\t%%eax, (%%esp)\n",  // sub
    "\tpopl\t%%eax\t\t# swap\n\tpopl\t%%ebx\n\tpushl\t%%eax\n\tpushl\t%%ebx\n",  // swap
    "\tpushl\t$%s\t\t# varaddr\n\tpushl\t$%s\n\tcall\t_varaddr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n",  // varaddr
    "\tcall\t_wrbool\t\t# wrbool\n",  // wrbool
    "\tcall\t_wrchar\t\t# wrchar\n",  // wrchar
    "\tcall\t_wrint\t\t# wrint\n",  // wrint
    "\tpushl\t$STRTABSIZE\t# wrstring\n\tcall\t_wrstring\n\taddl\t$4, %%esp\n",  // wrstring
    "\tixdpl\t$%s, $%s\t# xvaraddr\n\tpushl\t$%s\n\tcall\t_varaddr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n",  // xvaraddr
  }},
};

}  // namespace

const Target& translator_target = target;

}  // namespace kamtrans
