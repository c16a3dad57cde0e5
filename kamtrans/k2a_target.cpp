// The k2a translator's target: file names, fixed texts and templates.
#include "target.h"

namespace kamtrans {
namespace {

constexpr Target target{
  ".c", "lentab.h", "strtab.h",
  // prologue
  "#include \"extmac.h\"\t// include array/call macros\n"
  "#include \"%s\"\t// include segment length macros\n"
  "#include \"%s\"\t// include string table\n"
  "\nvoid main(void)\n{\n"
  "\t__asm\n\t{\n",
  "\tL%s:\n",  // label
  "\t}\n}\n",  // end of code
  "#define SEGLEN%s %s\n",  // length entry
  "char *StringTab[]= {\n",  // strings begin
  StringStyle::CInitialiser,
  "\t0\n};\n"
  "static int STRTABSIZE=(sizeof StringTab/sizeof StringTab[0])-1;\n",  // strings end
  OperandOrder::ForStackCalls,
  {{
    "\t\tcall\tabs\t\t// abs_\n\t\tadd\tesp, 4\n",  // abs_
    "\t\tpop\teax\t\t// add\n\t\tadd\t[esp], eax\n",  // add
    "\t\tpop\teax\t\t// and\n\t\tand\t[esp], eax\n",  // and
    "\t\txcall(R%d, L%s)\t\t// call\n\tR%d:\n",  // call
    "\t\tpush\tSEGLEN%s\t// crseg\n\t\tpush\t%s\n\t\tcall\tcrseg\n\t\tadd\tesp, 8\n",  // crseg
    "\t\tdescr(%s, %s, %s)\t// descr\n",  // descr
    "\t\tcall\tdlseg\t\t// dlseg\n",  // dlseg
    "\t\tpop\tebx\t\t// dvi\n\t\tmov\teax, [esp]\n\t\tcdq\n\t\tidiv\tebx\n\t\tmov\t[esp], eax\n",  // dvi
    "\t\tpop\teax\t\t// eq\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsete\tcl\n\t\tmov\t[esp], ecx\n",  // eq
    "\t\tpop\teax\t\t// eqn\n\t\teqn(eax, %s, %s)\n\t\tpush\teax\n",  // eqn
    "\t\tpop\teax\t\t// ge\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetle\tcl\n\t\tmov\t[esp], ecx\n",  // ge
    "\t\tpop\teax\t\t// gt\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetl\tcl\n\t\tmov\t[esp], ecx\n",  // gt
    "\t\tpush\t0\t\t// halt\n\t\tcall\texit\n",  // halt
    "\t\tpop\teax\t\t// jiff\n\t\ttest\teax, eax\n\t\tje\tL%s\n",  // jiff
    "\t\tpop\teax\t\t// jift\n\t\ttest\teax, eax\n\t\tjne\tL%s\n",  // jift
    "\t\tjmp\tL%s\t\t// jump\n",  // jump
    "\t\tpush\t%s\t\t// ldcon\n",  // ldcon
    "\t\tpush\t[esp]\t\t// ldind\n\t\tcall\tgetmema\n\t\tadd\tesp, 4\n\t\tpush\teax\n",  // ldind
    "\t\tldnvar(%s, %s)\t// ldnvar\n",  // ldnvar
    "\t\tpush\t%s\t\t// ldvar\n\t\tpush\t%s\n\t\tcall\tgetmemr\n\t\tadd\tesp, 8\n\t\tpush\teax\n",  // ldvar
    "\t\tixdpl(%s, %s)\t// ldxvar\n\t\tpush\t%s\n\t\tcall\tgetmemr\n\t\tadd\tesp, 8\n\t\tpush\teax\n",  // ldxvar
    "\t\tpop\teax\t\t// le\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetge\tcl\n\t\tmov\t[esp], ecx\n",  // le
    "\t\tpop\teax\t\t// lt\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetg\tcl\n\t\tmov\t[esp], ecx\n",  // lt
    "\t\tpop\tebx\t\t// mdl\n\t\tmov\teax, [esp]\n\t\tcdq\n\t\tidiv\tebx\n\t\tmov\t[esp], edx\n",  // mdl
    "\t\tpop\teax\t\t// mul\n\t\timul\teax, [esp]\n\t\tmov\t[esp], eax\n",  // mul
    "\t\tpop\teax\t\t// ne\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetne\tcl\n\t\tmov\t[esp], ecx\n",  // ne
    "\t\tpop\teax\t\t// neg\n\t\tneg\teax\n\t\tpush\teax\n",  // neg
    "\t\tpop\teax\t\t// nen\n\t\teqn(eax, %s, %s)\n\t\tneg\teax\n\t\tsbb\teax, eax\n\t\tinc\teax\n\t\tpush\teax\n",  // nen
    "\t\tnop\t\t\t// noop\n",  // noop
    "\t\tpop\teax\t// not\n\t\tneg\teax\n\t\tsbb\teax, eax\n\t\tinc\teax\n\t\tpush\teax\n",  // not
    "\t\tpop\teax\t\t// or\n\t\tor\t[esp], eax\n",  // or
    "\t\tpop\teax\t\t// pop\n",  // pop
    "\t\tpopn(%s, %s)\t// popn\n",  // popn
    "\t\tcall\trdbool\t \t// rdbool\n\t\tpush\teax\n",  // rdbool
    "\t\tcall\trdchar\t \t// rdchar\n\t\tpush\teax\n",  // rdchar
    "\t\tcall\trdint\t \t// rdint\n\t\tpush\teax\n",  // rdint
    "\t\tpush\tSTRTABSIZE\t// rdstring\n\t\tcall\trdstring\n\t\tadd\tesp, 4\n\t\tpush\teax\n",  // rdstring
    "\t\tcall\tasreturn_\t// return_\n\t\tjmp\teax\n",  // return_
    "\t\tcall\tputmema\t// stind\n\t\tadd\tesp, 4\n",  // stind
    "\t\tstnvar(%s, %s)\t// stnvar\n",  // stnvar
    "\t\tpush\t%s\t\t// stvar\n\t\tpush\t%s\n\t\tcall\tputmemr\n\t\tadd\tesp, 12\n",  // stvar
    "\t\tixdpl(%s, %s)\t// stxvar\n\t\tpush\t%s\n\t\tcall\tputmemr\n\t\tadd\tesp, 12\n",  // stxvar
    "\t\tpop\teax\t\t// sub\n\t\tneg\teax\n\t\tadd\t[esp], eax\n",  // sub
    "\t\tpop\teax\t\t// swap\n\t\tpop\tebx\n\t\tpush\teax\n\t\tpush\tebx\n",  // swap
    "\t\tpush\t%s\t\t// varaddr\n\t\tpush\t%s\n\t\tcall\tvaraddr\n\t\tadd\tesp, 8\n\t\tpush\teax\n",  // varaddr
    "\t\tcall\twrbool\t\t// wrbool\n",  // wrbool
    "\t\tcall\twrchar\t\t// wrchar\n",  // wrchar
    "\t\tcall\twrint\t\t// wrint\n",  // wrint
    "\t\tpush\tSTRTABSIZE\t// wrstring\n\t\tcall\twrstring\n\t\tadd\tesp, 4\n",  // wrstring
    "\t\tixdpl(%s, %s)\t// xvaraddr\n\t\tpush\t%s\n\t\tcall\tvaraddr\n\t\tadd\tesp, 8\n\t\tpush\teax\n",  // xvaraddr
  }},
};

}  // namespace

const Target& translator_target = target;

}  // namespace kamtrans
