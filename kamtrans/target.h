// What distinguishes the three translators: file names, fixed texts and the
// template table. Everything else lives in backend.cpp and is shared.
#pragma once

#include <array>

namespace kamtrans {

inline constexpr int opcode_count = 50;

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
  std::array<const char*, opcode_count> templates;
};

// The target of this program; each translator links exactly one definition.
extern const Target& translator_target;

}  // namespace kamtrans
