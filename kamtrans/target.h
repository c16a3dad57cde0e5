// What distinguishes the three translators: file names, fixed texts and the
// template table. Everything else lives in backend.cpp and is shared.
#pragma once

#include <array>
#include <cstddef>

#include "opcodes.h"

namespace kamtrans {

// The text written for one instruction, with the opcode it belongs to.
struct Template {
  kam::Opcode opcode;
  const char* text;
};

using TemplateTable = std::array<const char*, kam::opcode_count>;

// Deliberately not constexpr: template_table calls it for an entry out of
// place, which stops the compilation there.
void template_entry_out_of_opcode_order();

// The template texts indexed by opcode. The entries are written in opcode
// order, each naming its opcode, so a missing, extra or misplaced entry is
// a compile-time error instead of a wrong instruction in the output.
template <std::size_t N>
consteval TemplateTable template_table(const Template (&entries)[N]) {
  static_assert(N == kam::opcode_count, "one template for every opcode");
  TemplateTable table{};
  for (std::size_t op = 0; op < N; ++op) {
    if (static_cast<std::size_t>(entries[op].opcode) != op) template_entry_out_of_opcode_order();
    table[op] = entries[op].text;
  }
  return table;
}

// How emit_instruction orders the operand texts for a template.
enum class OperandOrder {
  AsWritten,       // first, second, third
  ForStackCalls,   // call: counter, label, counter; a few opcodes reordered
};

// What emit_string writes and keeps.
enum class StringStyle {
  AddressTable,    // ".long LCn" now, the texts after the table (assembler)
  CInitialiser,    // the lexeme itself as an array element (C)
};

struct Target {
  const char* program_extension;   // ".s" or ".c"
  const char* length_file;         // fixed name, in the current directory
  const char* string_file;
  const char* prologue;            // printf format, the two table file names
  const char* label;               // printf format, the label number
  const char* code_end;
  const char* length_entry;        // printf format, index and value
  const char* strings_begin;
  StringStyle string_style;
  const char* strings_end;         // C style: the closing text
  OperandOrder operand_order;
  TemplateTable templates;
};

// The target of this program; each translator links exactly one definition.
extern const Target& translator_target;

}  // namespace kamtrans
