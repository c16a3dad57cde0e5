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
  template_table({
    {kam::ABS_, "\tcall\t_abs\t\t# abs_\n\taddl\t$4,%%esp\n"},
    {kam::ADD, "\tpopl\t%%eax\t\t# add\n\taddl\t%%eax, (%%esp)\n"},
    {kam::AND, "\tpopl\t%%eax\t\t# and\n\tandl\t%%eax, (%%esp)\n"},
    {kam::CALL, "\txcall\tR%d, L%s\t\t# call\nR%d:\n\t.long\t.+4\n"},
    {kam::CRSEG, "\tpushl\t$SEGLEN%s\t# crseg\n\tpushl\t$%s\n\tcall\t_crseg\n\taddl\t$8, %%esp\n"},
    {kam::DESCR, "\tdescr\t$%s, $%s, $%s\t# descr\n"},
    {kam::DLSEG, "\tcall\t_dlseg\t\t# dlseg\n"},
    {kam::DVI, "\tpopl\t%%ebx\t\t# dvi\n\tmovl\t(%%esp), %%eax\n\tcltd\n\tidivl\t%%ebx\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::EQ, "\tpopl\t%%eax\t\t# eq\n\tcmpl\t%%eax, (%%esp)\n\tsete\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::EQN, "\tpopl\t%%eax\t\t# eqn\n\teqn\t%%eax, $%s, $%s\n\tpushl\t%%eax\n"},
    {kam::GE, "\tpopl\t%%eax\t\t# ge\n\tcmpl\t%%eax, (%%esp)\n\tsetge\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::GT, "\tpopl\t%%eax\t\t# gt\n\tcmpl\t%%eax, (%%esp)\n\tsetg\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::HALT, "\tpush\t$0\t\t# halt\n\tcall\t_exit\n"},
    {kam::JIFF, "\tpopl\t%%eax\t\t# jiff\n\ttestl\t%%eax, %%eax\n\tje\tL%s\n"},
    {kam::JIFT, "\tpopl\t%%eax\t\t# jift\n\ttestl\t%%eax, %%eax\n\tjne\tL%s\n"},
    {kam::JUMP, "\tjmp\tL%s\t\t# jump\n"},
    {kam::LDCON, "\tpushl\t$%s\t\t# ldcon\n"},
    {kam::LDIND, "\tpushl\t(%%esp)\t\t# ldind\n\tcall\t_getmema\n\taddl\t$4, %%esp\n\tpushl\t%%eax\n"},
    {kam::LDNVAR, "\tldnvar\t$%s, $%s\t# ldnvar\n"},
    {kam::LDVAR, "\tpushl\t$%s\t\t# ldvar\n\tpushl\t$%s\n\tcall\t_getmemr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n"},
    {kam::LDXVAR, "\tixdpl\t$%s, $%s\t# ldxvar\n\tpushl\t$%s\n\tcall\t_getmemr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n"},
    {kam::LE, "\tpopl\t%%eax\t\t# le\n\tcmpl\t%%eax, (%%esp)\n\tsetle\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::LT, "\tpopl\t%%eax\t\t# lt\n\tcmpl\t%%eax, (%%esp)\n\tsetl\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::MDL, "\tpopl\t%%ebx\t\t# mdl\n\tmovl\t(%%esp), %%eax\n\tcltd\n\tidivl\t%%ebx\n\tmovl\t%%edx, (%%esp)\n"},
    {kam::MUL, "\tpopl\t%%eax\t\t# mul\n\timull\t(%%esp)\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::NE, "\tpopl\t%%eax\t\t# ne\n\tcmpl\t%%eax, (%%esp)\n\tsetne\t%%dl\n\tmovzbl\t%%dl, %%eax\n\tmovl\t%%eax, (%%esp)\n"},
    {kam::NEG, "\tnegl\t(%%esp)\t\t# neg\n"},
    {kam::NEN, "\tpopl\t%%eax\t\t# nen\n\teqn\t%%eax, $%s, $%s\n\tcmpl\t$0, %%eax\n\tsete\t%%al\n\tmovzbl\t%%al, %%eax\n\tpushl\t%%eax\n"},
    {kam::NOOP, "\tnop\t\t\t# noop\n"},
    {kam::NOT, "\tpopl\t%%eax\t# not\n\tcmpl\t$0, %%eax\n\tsete\t%%al\n\tmovzbl\t%%al, %%eax\n\tpushl\t%%eax\n"},
    {kam::OR, "\tpopl\t%%eax\t\t# or\n\torl\t%%eax, (%%esp)\n"},
    {kam::POP, "\tpopl\t%%eax\t\t# pop\n"},
    {kam::POPN, "\tpopn\t$%s, $%s\t# popn\n"},
    {kam::RDBOOL, "\tcall\t_rdbool\t \t# rdbool\n\tpushl\t%%eax\n"},
    {kam::RDCHAR, "\tcall\t_rdchar\t \t# rdchar\n\tpushl\t%%eax\n"},
    {kam::RDINT, "\tcall\t_rdint\t \t# rdint\n\tpushl\t%%eax\n"},
    {kam::RDSTRING, "\tpushl\t$STRTABSIZE\t# rdstring\n\tcall\t_rdstring\n\taddl\t$4, %%esp\n\tpushl\t%%eax\n"},
    {kam::RETURN_, "\tcall\t_asreturn_\t# return_\n\tjmp\t%%eax\n"},
    {kam::STIND, "\tcall\t_putmema\t# stind\n\taddl\t$4, %%esp\n"},
    {kam::STNVAR, "\tstnvar\t$%s, $%s\t# stnvar\n"},
    {kam::STVAR, "\tpushl\t$%s\t\t# stvar\n\tpushl\t$%s\n\tcall\t_putmemr\n\taddl\t$12, %%esp\n"},
    {kam::STXVAR, "\tixdpl\t$%s, $%s\t# stxvar\n\tpushl\t$%s\n\tcall\t_putmemr\n\taddl\t$12, %%esp\n"},
    {kam::SUB, "\tpopl\t%%eax\t\t# sub\n\tnegl\t%%eax\n\taddl\t%%eax, (%%esp)\n"},
    {kam::SWAP, "\tpopl\t%%eax\t\t# swap\n\tpopl\t%%ebx\n\tpushl\t%%eax\n\tpushl\t%%ebx\n"},
    {kam::VARADDR, "\tpushl\t$%s\t\t# varaddr\n\tpushl\t$%s\n\tcall\t_varaddr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n"},
    {kam::WRBOOL, "\tcall\t_wrbool\t\t# wrbool\n"},
    {kam::WRCHAR, "\tcall\t_wrchar\t\t# wrchar\n"},
    {kam::WRINT, "\tcall\t_wrint\t\t# wrint\n"},
    {kam::WRSTRING, "\tpushl\t$STRTABSIZE\t# wrstring\n\tcall\t_wrstring\n\taddl\t$4, %%esp\n"},
    {kam::XVARADDR, "\tixdpl\t$%s, $%s\t# xvaraddr\n\tpushl\t$%s\n\tcall\t_varaddr\n\taddl\t$8, %%esp\n\tpushl\t%%eax\n"},
  }),
};

}  // namespace

const Target& translator_target = target;

}  // namespace kamtrans
