#include "loader.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>

#include "opcodes.h"
#include "text_scan.h"

namespace kam {
namespace {

class Loader {
 public:
  Loader(std::FILE* in, Program& program, Reporter& reporter)
      : in_(in), program_(program), reporter_(reporter) {}

  void load() {
    if (read_instructions()) {
      if (program_.halt_index == 0) reporter_.error(Msg::CodeNotFinalised);
      read_length_table();
      read_string_table();
    }
    reporter_.set_load_line(0);
  }

 private:
  bool next_line() {
    if (!read_line(in_, line_)) return false;
    reporter_.set_load_line(++line_number_);
    return true;
  }

  // Section 1. False when the instruction limit ended loading.
  bool read_instructions() {
    while (next_line()) {
      std::string_view text = c_view(line_);
      if (!text.empty() && text[0] == '.') return true;
      if (!text.empty() && text[0] == '#') continue;
      if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
      if (program_.code.size() >= static_cast<std::size_t>(max_instructions) &&
          text.find_first_not_of(" \t\r\v\f") != std::string_view::npos) {
        reporter_.error(Msg::TooManyInstructions, {max_instructions});
        return false;
      }
      read_instruction(text);
    }
    return true;
  }

  void read_instruction(std::string_view text) {
    const int index = static_cast<int>(program_.code.size());
    TextScanner scan(text);
    const std::size_t mark = text.find_first_of("#:");
    if (mark != std::string_view::npos && text[mark] == ':') {
      const auto label = scan.number();
      if (!label || !scan.literal(':') || scan.word().empty()) {
        reporter_.error(Msg::SyntaxError);
        return;
      }
      define_label(*label, index);
      scan = TextScanner(text);  // rescan from the start for the name
      scan.number();
      scan.literal(':');
    }
    const std::string_view name = scan.word();
    if (name.empty()) {
      reporter_.error(Msg::SyntaxError);
      return;
    }
    Instruction instruction;
    instruction.line = line_number_;
    instruction.op = opcode_of(name);
    read_operands(scan.rest(), instruction);
    if (instruction.op == HALT) program_.halt_index = index;
    program_.code.push_back(instruction);
  }

  void define_label(long long label, int index) {
    if (label < 1 || label > label_limit) {
      reporter_.error(Msg::LabelOutOfRange, {label_limit});
      return;
    }
    int& entry = program_.labels[static_cast<std::size_t>(label)];
    if (entry != no_instruction) reporter_.error(Msg::LabelInUse);
    entry = index;
  }

  int opcode_of(std::string_view name) {
    const int op = find_opcode(name);
    if (op >= 0) return op;
    reporter_.error(Msg::UnknownOperation, {name});
    return NOOP;
  }

  void read_operands(std::string_view text, Instruction& instruction) {
    const int wanted = opcode_info(instruction.op).operands;
    if (wanted == 0) return;
    TextScanner scan(text);
    int found = 0;
    while (found < wanted) {
      const auto value = scan.number();
      if (!value || !fits_int32(*value)) break;
      instruction.args[found++] = static_cast<std::int32_t>(*value);
    }
    if (found != wanted) reporter_.error(Msg::ArgumentsExpected, {wanted});
  }

  // Section 2: "index: length" lines.
  void read_length_table() {
    while (next_line()) {
      const std::string_view text = c_view(line_);
      if (!text.empty() && text[0] == '.') return;
      if (!text.empty() && text[0] == '#') continue;
      TextScanner scan(text);
      const auto index = scan.number();
      if (!index || !scan.literal(':')) continue;
      const auto value = scan.number();
      if (!value) continue;
      if (*index >= 1 && *index < length_limit && *value >= 0 && fits_int32(*value))
        program_.lengths[static_cast<std::size_t>(*index)] = static_cast<std::int32_t>(*value);
      else
        reporter_.error(Msg::LengthTableItem, {length_limit});
      program_.length_count = clamp_int(*index);
    }
  }

  // Section 3: "n: \"text\"" lines, to the end of the file.
  void read_string_table() {
    while (next_line()) {
      std::string_view text = c_view(line_);
      if (!text.empty() && text[0] == '#') continue;
      TextScanner scan(text);
      const auto number = scan.number();
      if (!number) continue;
      if (*number < 1 || *number >= string_limit) {
        reporter_.error(Msg::TooManyStrings, {string_limit});
      } else if (text.find('"') != std::string_view::npos) {
        program_.strings[static_cast<std::size_t>(*number - 1)] = quoted_text(text);
      }
      program_.string_count = clamp_int(*number);
    }
  }

  // The text between the first double quote and the line's last character.
  static std::string quoted_text(std::string_view text) {
    const std::size_t quote = text.find('"');
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (!text.empty()) text.remove_suffix(1);
    if (quote + 1 >= text.size()) return {};
    return std::string(text.substr(quote + 1));
  }

  static int clamp_int(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
  }

  std::FILE* in_;
  Program& program_;
  Reporter& reporter_;
  std::string line_;
  int line_number_ = 0;
};

}  // namespace

void load_program(std::FILE* in, Program& program, Reporter& reporter) {
  Loader(in, program, reporter).load();
}

}  // namespace kam
