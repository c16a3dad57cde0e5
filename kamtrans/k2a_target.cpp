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
  template_table({
    {kam::ABS_, "\t\tcall\tabs\t\t// abs_\n\t\tadd\tesp, 4\n"},
    {kam::ADD, "\t\tpop\teax\t\t// add\n\t\tadd\t[esp], eax\n"},
    {kam::AND, "\t\tpop\teax\t\t// and\n\t\tand\t[esp], eax\n"},
    {kam::CALL, "\t\txcall(R%d, L%s)\t\t// call\n\tR%d:\n"},
    {kam::CRSEG, "\t\tpush\tSEGLEN%s\t// crseg\n\t\tpush\t%s\n\t\tcall\tcrseg\n\t\tadd\tesp, 8\n"},
    {kam::DESCR, "\t\tdescr(%s, %s, %s)\t// descr\n"},
    {kam::DLSEG, "\t\tcall\tdlseg\t\t// dlseg\n"},
    {kam::DVI, "\t\tpop\tebx\t\t// dvi\n\t\tmov\teax, [esp]\n\t\tcdq\n\t\tidiv\tebx\n\t\tmov\t[esp], eax\n"},
    {kam::EQ, "\t\tpop\teax\t\t// eq\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsete\tcl\n\t\tmov\t[esp], ecx\n"},
    {kam::EQN, "\t\tpop\teax\t\t// eqn\n\t\teqn(eax, %s, %s)\n\t\tpush\teax\n"},
    {kam::GE, "\t\tpop\teax\t\t// ge\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetle\tcl\n\t\tmov\t[esp], ecx\n"},
    {kam::GT, "\t\tpop\teax\t\t// gt\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetl\tcl\n\t\tmov\t[esp], ecx\n"},
    {kam::HALT, "\t\tpush\t0\t\t// halt\n\t\tcall\texit\n"},
    {kam::JIFF, "\t\tpop\teax\t\t// jiff\n\t\ttest\teax, eax\n\t\tje\tL%s\n"},
    {kam::JIFT, "\t\tpop\teax\t\t// jift\n\t\ttest\teax, eax\n\t\tjne\tL%s\n"},
    {kam::JUMP, "\t\tjmp\tL%s\t\t// jump\n"},
    {kam::LDCON, "\t\tpush\t%s\t\t// ldcon\n"},
    {kam::LDIND, "\t\tpush\t[esp]\t\t// ldind\n\t\tcall\tgetmema\n\t\tadd\tesp, 4\n\t\tpush\teax\n"},
    {kam::LDNVAR, "\t\tldnvar(%s, %s)\t// ldnvar\n"},
    {kam::LDVAR, "\t\tpush\t%s\t\t// ldvar\n\t\tpush\t%s\n\t\tcall\tgetmemr\n\t\tadd\tesp, 8\n\t\tpush\teax\n"},
    {kam::LDXVAR, "\t\tixdpl(%s, %s)\t// ldxvar\n\t\tpush\t%s\n\t\tcall\tgetmemr\n\t\tadd\tesp, 8\n\t\tpush\teax\n"},
    {kam::LE, "\t\tpop\teax\t\t// le\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetge\tcl\n\t\tmov\t[esp], ecx\n"},
    {kam::LT, "\t\tpop\teax\t\t// lt\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetg\tcl\n\t\tmov\t[esp], ecx\n"},
    {kam::MDL, "\t\tpop\tebx\t\t// mdl\n\t\tmov\teax, [esp]\n\t\tcdq\n\t\tidiv\tebx\n\t\tmov\t[esp], edx\n"},
    {kam::MUL, "\t\tpop\teax\t\t// mul\n\t\timul\teax, [esp]\n\t\tmov\t[esp], eax\n"},
    {kam::NE, "\t\tpop\teax\t\t// ne\n\t\txor\tecx, ecx\n\t\tcmp\teax, [esp]\n\t\tsetne\tcl\n\t\tmov\t[esp], ecx\n"},
    {kam::NEG, "\t\tpop\teax\t\t// neg\n\t\tneg\teax\n\t\tpush\teax\n"},
    {kam::NEN, "\t\tpop\teax\t\t// nen\n\t\teqn(eax, %s, %s)\n\t\tneg\teax\n\t\tsbb\teax, eax\n\t\tinc\teax\n\t\tpush\teax\n"},
    {kam::NOOP, "\t\tnop\t\t\t// noop\n"},
    {kam::NOT, "\t\tpop\teax\t// not\n\t\tneg\teax\n\t\tsbb\teax, eax\n\t\tinc\teax\n\t\tpush\teax\n"},
    {kam::OR, "\t\tpop\teax\t\t// or\n\t\tor\t[esp], eax\n"},
    {kam::POP, "\t\tpop\teax\t\t// pop\n"},
    {kam::POPN, "\t\tpopn(%s, %s)\t// popn\n"},
    {kam::RDBOOL, "\t\tcall\trdbool\t \t// rdbool\n\t\tpush\teax\n"},
    {kam::RDCHAR, "\t\tcall\trdchar\t \t// rdchar\n\t\tpush\teax\n"},
    {kam::RDINT, "\t\tcall\trdint\t \t// rdint\n\t\tpush\teax\n"},
    {kam::RDSTRING, "\t\tpush\tSTRTABSIZE\t// rdstring\n\t\tcall\trdstring\n\t\tadd\tesp, 4\n\t\tpush\teax\n"},
    {kam::RETURN_, "\t\tcall\tasreturn_\t// return_\n\t\tjmp\teax\n"},
    {kam::STIND, "\t\tcall\tputmema\t// stind\n\t\tadd\tesp, 4\n"},
    {kam::STNVAR, "\t\tstnvar(%s, %s)\t// stnvar\n"},
    {kam::STVAR, "\t\tpush\t%s\t\t// stvar\n\t\tpush\t%s\n\t\tcall\tputmemr\n\t\tadd\tesp, 12\n"},
    {kam::STXVAR, "\t\tixdpl(%s, %s)\t// stxvar\n\t\tpush\t%s\n\t\tcall\tputmemr\n\t\tadd\tesp, 12\n"},
    {kam::SUB, "\t\tpop\teax\t\t// sub\n\t\tneg\teax\n\t\tadd\t[esp], eax\n"},
    {kam::SWAP, "\t\tpop\teax\t\t// swap\n\t\tpop\tebx\n\t\tpush\teax\n\t\tpush\tebx\n"},
    {kam::VARADDR, "\t\tpush\t%s\t\t// varaddr\n\t\tpush\t%s\n\t\tcall\tvaraddr\n\t\tadd\tesp, 8\n\t\tpush\teax\n"},
    {kam::WRBOOL, "\t\tcall\twrbool\t\t// wrbool\n"},
    {kam::WRCHAR, "\t\tcall\twrchar\t\t// wrchar\n"},
    {kam::WRINT, "\t\tcall\twrint\t\t// wrint\n"},
    {kam::WRSTRING, "\t\tpush\tSTRTABSIZE\t// wrstring\n\t\tcall\twrstring\n\t\tadd\tesp, 4\n"},
    {kam::XVARADDR, "\t\tixdpl(%s, %s)\t// xvaraddr\n\t\tpush\t%s\n\t\tcall\tvaraddr\n\t\tadd\tesp, 8\n\t\tpush\teax\n"},
  }),
};

}  // namespace

const Target& translator_target = target;

}  // namespace kamtrans
