// The scanning function i_next_token of the generated scanner: one `case`
// per representative state of the minimal automaton, one `if` per
// transition, and the epilogue that verifies keywords, restarts after
// skipped tokens and looks up the lexemes of reserved-word terminals.
#include <map>
#include <string>
#include <vector>

#include "code_writer.h"
#include "codegen/accept_flags.h"
#include "model/conversion_actions.h"
#include "codegen/scanner_generator.h"
#include "model/terminals.h"
#include "dfa/transitions.h"

namespace zedra {

namespace {

// Conditions cover every byte value.
constexpr int kHighestConditionCode = 255;

// A character code in a condition on i_ch, which holds the byte read as a
// value 0..255: a character constant up to 127, a number above it (a
// character constant such as '\351' has a negative value where char is
// signed).
std::string condition_code(int code) {
  return code <= 127 ? c_char_literal(code) : std::to_string(code);
}

// Accepting sets the flag of the terminal's kind and clears the other one
// where a state on the way here may have set it.
void write_accept_flags(CodeWriter& code, const Terminal& terminal, unsigned on_entry) {
  const unsigned own = accept_flags(terminal);
  if (own == kVerifyFlag) code.line("i_verify= true;");
  if (own == kSkipFlag) code.line("i_skip= true;");
  unsigned maybe_set = 0;
  for (unsigned flags = 0; flags < 4; ++flags)
    if (on_entry & (1u << flags)) maybe_set |= flags;
  if (own != kSkipFlag && (maybe_set & kSkipFlag)) code.line("i_skip= false;");
  if (own != kVerifyFlag && (maybe_set & kVerifyFlag)) code.line("i_verify= false;");
}

// The case of a state that can go on: its transitions, then retraction
// (or, in state 0, the end of input and the report of a stray character).
void write_transitions(CodeWriter& code, const Dfa& automaton, int number,
                       StateSet successors) {
  while (const auto transition = take_transition(automaton.table, successors)) {
    code.emit("if (");
    write_char_condition(code, transition->chars);
    code.open_block(")");
    code.line("i_state= %d;", transition->target);
    code.outdent();
    code.emit("else ");
  }
  // The last `else` takes the retraction or the end-of-input test, on the
  // next line and one step deeper.
  if (number != 0) {
    code.end_line();
    code.indent();
    code.line("i_retract= true;");
  } else {
    code.open_block("if (i_ch == EOF)");
    code.line("i_final_accept(i_EndOfFile);");
    code.next_block("else");
    code.line("i_report(i_ENOSTATE, i_ch);");
  }
  code.close_block("break;");
  code.blank_lines(1);
  code.outdent();
}

void write_case(CodeWriter& code, const Dfa& automaton, int number, unsigned on_entry) {
  const AutomatonState* state = automaton.table.state(number);
  code.open_block("case " + std::to_string(number) + ":");
  const StateSet successors = state ? state->follow : StateSet{};
  const Terminal* terminal = state && automaton.table.accepting.contains(number) ? state->terminal : nullptr;
  // State 0 always tests the end of input, also when nothing can begin.
  if (successors.empty() && number != 0) {
    if (!terminal) return;  // the case label only
    code.line("i_final_accept(%s);", terminal->name->c_str());
    write_accept_flags(code, *terminal, on_entry);
    code.line("break;");
    code.blank_lines(1);
    code.outdent();
    return;
  }
  if (terminal) {
    code.line("i_could_accept(%s);", terminal->name->c_str());
    write_accept_flags(code, *terminal, on_entry);
  }
  write_transitions(code, automaton, number, successors);
}

void write_loop(CodeWriter& code, const Dfa& automaton) {
  code.open_block("while (!i_retract) {");
  code.line("i_next_character();");
  code.blank_lines(1);
  code.line("/* Transition cases: */");
  code.line("switch (i_state) {");
  const std::map<int, unsigned> entry = flags_on_entry(automaton);
  for (const auto& [number, on_entry] : entry) write_case(code, automaton, number, on_entry);
  code.line("}");
  code.close_block("}");
  code.blank_lines(1);
  code.line("i_get_lexeme();");
  code.blank_lines(1);
}

}  // namespace

std::vector<const Terminal*> epilogue_candidates(const Dfa& automaton) {
  std::vector<const Terminal*> candidates;
  automaton.table.accepting.for_each([&](int number) {
    const AutomatonState* state = automaton.table.state(number);
    const Terminal* terminal = state ? state->terminal : nullptr;
    if (!terminal) return;
    if (terminal->kind == TerminalKind::Plain && !terminal->reserved_action) return;
    for (const Terminal* candidate : candidates)
      if (candidate == terminal) return;
    candidates.push_back(terminal);
  });
  return candidates;
}

namespace {

void write_reserved_cases(CodeWriter& code, const std::vector<const Terminal*>& candidates) {
  bool opened = false;
  for (const Terminal* terminal : candidates) {
    if (terminal->kind != TerminalKind::Plain) continue;
    if (!opened) {
      code.open_block("else {");
      code.line("switch (i_look_ahead) {");
      opened = true;
    }
    const std::string& action = *terminal->reserved_action->name;
    code.open_block("case " + *terminal->name + ":");
    // Both branches leave `break;` one step deeper than the case body: after
    // the guarded report that is its level, after the lone lookup it is the
    // layout this scanner has always had.
    if (!terminal->assignments().empty()) {
      code.open_block("i_lookup(" + action + "(i_lexeme));");
    } else {
      code.open_block("if (!i_lookup(" + action + "(i_lexeme)))");
      code.line("i_report(i_ENOKEYW, i_lexeme);");
    }
    code.close_block("break;");
    code.outdent();
  }
  if (!opened) return;
  code.open_block("default:");
  code.line("/* do nothing */;");
  code.close_block("}");
  code.close_block("}");
}

void write_epilogue(CodeWriter& code, const Dfa& automaton) {
  code.open_block("if (i_verify && !i_lookup(i_lexeme))");
  code.line("i_report(i_ENOKEYW, i_lexeme);");
  code.blank_lines(1);
  // Back to the level of the function body, so that the next `if` is not
  // indented as if the first one guarded it.
  code.outdent();
  code.open_block("if (i_look_ahead == -1 || i_skip)");
  code.line("i_skip_token();");
  code.outdent();
  write_reserved_cases(code, epilogue_candidates(automaton));
}

}  // namespace

void write_char_condition(CodeWriter& code, const StateSet& chars) {
  bool first = true;
  int code_point = chars.next();
  while (code_point >= 0 && code_point <= kHighestConditionCode) {
    int last = code_point;
    while (last < kHighestConditionCode && chars.contains(last + 1)) ++last;
    if (!first) code.emit(" || ");
    first = false;
    const std::string low = condition_code(code_point);
    const std::string high = condition_code(last);
    if (last - code_point >= 2) {
      code.emit("(i_ch >= %s ", low.c_str());
      code.emit("&& i_ch <= %s)", high.c_str());
    } else if (last > code_point) {
      code.emit("i_ch == %s ", low.c_str());
      code.emit("|| i_ch == %s", high.c_str());
    } else {
      code.emit("i_ch == %s", low.c_str());
    }
    code_point = chars.next(last + 1);
  }
}

void write_next_token(CodeWriter& code, const Dfa& automaton) {
  write_scanning_function(code, automaton, "The parser calls i_next_token() to get a look ahead",
                          "void i_next_token(void)");
}

void write_scanning_function(CodeWriter& code, const Dfa& automaton, const std::string& comment,
                             const std::string& header) {
  code.line("/* %s */", comment.c_str());
  code.blank_lines(1);
  code.line("%s", header.c_str());
  code.open_block("{");
  code.line("integer\ti_state= 0;");
  code.line("boolean\ti_skip= false;");
  code.line("boolean\ti_verify= false;");
  code.blank_lines(1);
  code.line("i_retract= false;");
  code.line("i_look_ahead= -1;");
  code.line("i_init_lexeme();");
  write_loop(code, automaton);
  write_epilogue(code, automaton);
  code.close_block("}");
}

}  // namespace zedra
