// The back-end shared by k2s, k2c and k2a: it turns the reader's calls into
// the program file and the two table files, using the target's texts.
#include "backend.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "opcodes.h"
#include "output_file.h"
#include "target.h"

namespace kamtrans {
namespace {

constexpr int string_list_limit = 250;  // strings kept for the address table
constexpr int msg_string_table_full = 36;
constexpr int msg_out_of_memory = 27;

// Everything one translation keeps between the reader's calls.
struct Translation {
  std::string module = "kam";
  OutputFile program;
  OutputFile lengths;
  OutputFile strings;
  int call_counter = 1;
  std::vector<std::string> string_list;
  bool string_list_full = false;
  int line = 0;  // of the line being read (note_line)
  // Labels as written: those that stand before an instruction, and those
  // that jumps and calls name, in the order of their first use, with the
  // line of that use. The assembler or C compiler refuses a name that no
  // instruction carries.
  std::unordered_set<std::string> labels_defined;
  std::vector<std::pair<std::string, int>> labels_used;
  std::unordered_set<std::string> labels_seen;
};

Translation& translation() {
  static Translation state;
  return state;
}

const char* text(const char* operand) { return operand ? operand : ""; }

// The program file name: the module name without its last extension.
std::string program_name(const std::string& module, const char* extension) {
  std::string stem = module;
  const auto slash = stem.find_last_of('/');
  if (slash != std::string::npos) stem.erase(0, slash + 1);
  const auto dot = stem.find_last_of('.');
  if (dot != std::string::npos) stem.erase(dot);
  return stem + extension;
}

// The template of opcode with the operand texts in the target's order.
std::string instruction_text(const Target& target, int opcode, const char* first,
                             const char* second, const char* third) {
  const char* format = target.templates[static_cast<std::size_t>(opcode)];
  if (target.operand_order == OperandOrder::ForStackCalls) {
    switch (opcode) {
      case kam::CALL: {
        const int counter = translation().call_counter++;
        return format_text(format, counter, text(first), counter);
      }
      case kam::CRSEG: case kam::LDVAR: case kam::STVAR: case kam::VARADDR:
        // pushed for a call in reverse order
        return format_text(format, text(second), text(first));
      case kam::LDXVAR: case kam::STXVAR: case kam::XVARADDR:
        return format_text(format, text(first), text(second), text(first));
      default:
        break;
    }
  }
  return format_text(format, text(first), text(second), text(third));
}

// A string lexeme as a literal of the target; an empty one, after an
// error, when the string cannot be one. The text stands as written (its escapes are the target's),
// except what would break the literal: a carriage return inside becomes
// \r, a backslash left alone before the closing quote is doubled, and in C
// the second question mark of a pair is escaped, so that a compiler with
// trigraphs on (-std=c11) keeps "??=" as written. Refused: a string whose
// closing quote stands on a later line (kamrun takes a string to end with
// its line), and one with a NUL byte, which ends the lexeme before its
// closing quote.
std::string string_literal(const char* number, const char* lexeme, bool c_style) {
  const std::string_view written = text(lexeme);
  if (written.size() < 2 || written.front() != '"' || written.back() != '"') {
    i_error_at(translation().line, "String %s holds a NUL byte and cannot be translated",
               text(number));
    return "\"\"";
  }
  const std::string_view inside = written.substr(1, written.size() - 2);
  if (inside.find('\n') != std::string_view::npos) {
    i_error_at(translation().line, "String %s does not end on its line and cannot be translated",
               text(number));
    return "\"\"";
  }
  std::string literal = "\"";
  char previous = '\0';
  std::size_t backslashes = 0;
  for (const char c : inside) {
    if (c == '\r') {
      literal += "\\r";
    } else {
      if (c_style && c == '?' && previous == '?') literal += '\\';
      literal += c;
    }
    backslashes = c == '\\' ? backslashes + 1 : 0;
    previous = c;
  }
  if (backslashes % 2 == 1) literal += '\\';
  return literal + '"';
}

void store_string(Translation& state, const char* number, const char* lexeme) {
  if (static_cast<int>(state.string_list.size()) >= string_list_limit) {
    if (!state.string_list_full) i_report(msg_string_table_full, string_list_limit);
    state.string_list_full = true;
    return;
  }
  try {
    // Kept as a copy of its own, allocated at its size.
    const std::string literal = string_literal(number, lexeme, false);
    state.string_list.push_back(literal);
  } catch (const std::bad_alloc&) {
    i_report(msg_out_of_memory, __LINE__, __FILE__);
    std::exit(1);  // the reporter ends the run; this is its fallback
  }
  state.strings.printf("\t.long LC%d\n", static_cast<int>(state.string_list.size()) - 1);
}

void note_label_use(Translation& state, const char* label) {
  if (*label && state.labels_seen.insert(label).second)
    state.labels_used.emplace_back(label, state.line);
}

// A progress line that cannot be written is reported at once, with the
// reason: the runtime's check when the run ends would find the failure but
// no longer its cause. The stream's error is cleared, so it is not counted
// twice.
void flush_progress() {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return;
  i_error_at(0, "Cannot write standard output (%s)", std::strerror(errno ? errno : EIO));
  std::clearerr(stdout);
}

}  // namespace
}  // namespace kamtrans

using kamtrans::translation;
using kamtrans::translator_target;
using kamtrans::OutputFile;

extern "C" void backend_set_module(const char* module_name) {
  translation().module = module_name ? module_name : "";
}

extern "C" void begin_code(void) {
  auto& state = translation();
  // Every translation starts with the counters and tables empty, also when
  // one process translates more than once (as the fuzz targets do).
  state.call_counter = 1;
  state.string_list.clear();
  state.string_list_full = false;
  state.labels_defined.clear();
  state.labels_used.clear();
  state.labels_seen.clear();
  state.line = 0;
  const std::string name =
      kamtrans::program_name(state.module, translator_target.program_extension);
  std::printf("- generating     : %s\n", name.c_str());
  kamtrans::flush_progress();
  state.program = OutputFile(name, OutputFile::Failure::Program);
  state.program.printf(translator_target.prologue, translator_target.length_file,
                       translator_target.string_file);
}

extern "C" void note_line(void) { translation().line = i_token_line(); }

extern "C" void emit_label(const char* number) {
  auto& state = translation();
  state.labels_defined.insert(kamtrans::text(number));
  state.program.printf(translator_target.label, kamtrans::text(number));
}

extern "C" void emit_instruction(int opcode, const char* first, const char* second,
                                 const char* third) {
  if (opcode < 0 || opcode >= kam::opcode_count) return;
  if (opcode == kam::CALL || opcode == kam::JUMP || opcode == kam::JIFT || opcode == kam::JIFF)
    kamtrans::note_label_use(translation(), kamtrans::text(first));
  translation().program.write(
      kamtrans::instruction_text(translator_target, opcode, first, second, third));
}

extern "C" void end_code(void) {
  auto& state = translation();
  state.program.write(translator_target.code_end);
  state.program.close();
  // Reported at the end of the code, with the line of the first use.
  for (const auto& [label, line] : state.labels_used)
    if (!state.labels_defined.count(label))
      i_error_at(line, "Label %s is jumped to or called but no instruction carries it", label.c_str());
}

extern "C" void begin_lengths(void) {
  translation().lengths = OutputFile(translator_target.length_file, OutputFile::Failure::Table);
}

// A negative length would make the translated program's segment negative:
// refused, as kamrun refuses it.
extern "C" void emit_length(const char* index, const char* value) {
  if (kamtrans::text(value)[0] == '-')
    i_error_at(translation().line, "Length %s of segment %s is negative", kamtrans::text(value),
               kamtrans::text(index));
  translation().lengths.printf(translator_target.length_entry, kamtrans::text(index),
                               kamtrans::text(value));
}

extern "C" void end_lengths(void) { translation().lengths.close(); }

extern "C" void begin_strings(void) {
  auto& state = translation();
  state.strings = OutputFile(translator_target.string_file, OutputFile::Failure::Table);
  state.strings.write(translator_target.strings_begin);
}

// Strings are numbered by their order; the number written only names one
// in a message.
extern "C" void emit_string(const char* number, const char* lexeme) {
  auto& state = translation();
  if (translator_target.string_style == kamtrans::StringStyle::AddressTable)
    kamtrans::store_string(state, number, lexeme);
  else
    state.strings.printf("\t%s,\n", kamtrans::string_literal(number, lexeme, true).c_str());
}

extern "C" void end_strings(void) {
  auto& state = translation();
  if (translator_target.string_style == kamtrans::StringStyle::AddressTable) {
    state.strings.write("\t.long 0\n.text\n");
    for (std::size_t i = 0; i < state.string_list.size(); ++i)
      state.strings.printf("LC%d:\n\t.asciz %s\n", static_cast<int>(i),
                           state.string_list[i].c_str());
    state.strings.printf("\t.align 2\n.equ STRTABSIZE, %d\n",
                         static_cast<int>(state.string_list.size()));
  } else {
    state.strings.write(translator_target.strings_end);
  }
  state.strings.close();
}
