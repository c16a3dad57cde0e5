// The scanning function i_next_token of the generated scanner: one `case`
// per representative state of the minimal automaton, one `if` per
// transition, and the epilogue that verifies keywords, restarts after
// skipped tokens and looks up the lexemes of reserved-word terminals.
#include <vector>

#include "code_writer.h"
#include "model/conversion_actions.h"
#include "codegen/scanner_generator.h"
#include "model/terminals.h"
#include "dfa/transitions.h"

namespace zedra {

namespace {

constexpr int kHighestConditionCode = 128;

void write_accept_flags(CodeWriter& code, const Terminal& terminal) {
  if (terminal.kind == TerminalKind::Verify) code.emit(1, "i_verify= true;");
  if (terminal.kind == TerminalKind::Skip) code.emit(1, "i_skip= true;");
}

// The case of a state that can go on: its transitions, then retraction
// (or, in state 0, the end of input and the report of a stray character).
void write_transitions(CodeWriter& code, const Dfa& automaton, int number,
                       StateSet successors) {
  while (const auto transition = take_transition(automaton.table, successors)) {
    code.emit(0, "if (");
    write_char_condition(code, transition->chars);
    code.emit(kIndent | 1, ")");
    code.emit(1, "i_state= %d;", transition->target);
    code.emit(kOutdent, "else ");
  }
  if (number != 0) {
    code.emit(kIndent | 1);
    code.emit(1, "i_retract= true;");
  } else {
    code.emit(kIndent | 1, "if (i_ch == EOF)");
    code.emit(1, "i_final_accept(i_EndOfFile);");
    code.emit(kOutdent | kIndent | 1, "else");
    code.emit(1, "i_report(i_ENOSTATE, i_ch);");
  }
  code.emit(kOutdent | 1, "break;");
  code.emit(kOutdent | 1);
}

void write_case(CodeWriter& code, const Dfa& automaton, int number) {
  const AutomatonState* state = automaton.table.state(number);
  code.emit(kIndent | 1, "case %d:", number);
  const StateSet successors = state ? state->follow : StateSet{};
  const Terminal* terminal = state && automaton.table.accepting.contains(number) ? state->terminal : nullptr;
  // State 0 always tests the end of input, also when nothing can begin.
  if (successors.empty() && number != 0) {
    if (!terminal) return;  // the case label only
    code.emit(1, "i_final_accept(%s);", terminal->name->c_str());
    write_accept_flags(code, *terminal);
    code.emit(1, "break;");
    code.emit(kOutdent | 1);
    return;
  }
  if (terminal) {
    code.emit(1, "i_could_accept(%s);", terminal->name->c_str());
    write_accept_flags(code, *terminal);
  }
  write_transitions(code, automaton, number, successors);
}

void write_loop(CodeWriter& code, const Dfa& automaton) {
  code.emit(kIndent | 1, "while (!i_retract) {");
  code.emit(2, "i_next_character();");
  code.emit(1, "/* Transition cases: */");
  code.emit(1, "switch (i_state) {");
  for (int number = 0; number < automaton.dfa_state_count; ++number)
    if (automaton.representatives.contains(number)) write_case(code, automaton, number);
  code.emit(1, "}");
  code.emit(kOutdent | 2, "}");
  code.emit(2, "i_get_lexeme();");
}

// The accepting states whose terminal needs work after the loop (VERIFY,
// SKIP or a reserved action), one per terminal, in ascending order.
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

void write_reserved_cases(CodeWriter& code, const std::vector<const Terminal*>& candidates) {
  bool opened = false;
  for (const Terminal* terminal : candidates) {
    if (terminal->kind != TerminalKind::Plain) continue;
    if (!opened) {
      code.emit(kIndent | 1, "else {");
      code.emit(1, "switch (i_look_ahead) {");
      opened = true;
    }
    const char* action = terminal->reserved_action->name->c_str();
    code.emit(kIndent | 1, "case %s:", terminal->name->c_str());
    if (!terminal->assignments().empty()) {
      code.emit(kIndent | 1, "i_lookup(%s(i_lexeme));", action);
    } else {
      code.emit(kIndent | 1, "if (!i_lookup(%s(i_lexeme)))", action);
      code.emit(1, "i_report(i_ENOKEYW, i_lexeme);");
    }
    code.emit(kOutdent, "break;");
    code.emit(kOutdent | 1);
  }
  if (!opened) return;
  code.emit(kIndent | 1, "default:");
  code.emit(1, "/* do nothing */;");
  code.emit(kOutdent | 1, "}");
  code.emit(kOutdent | 1, "}");
}

void write_epilogue(CodeWriter& code, const Dfa& automaton) {
  code.emit(kIndent | 1, "if (i_verify && !i_lookup(i_lexeme))");
  code.emit(2, "i_report(i_ENOKEYW, i_lexeme);");
  // Back to the level of the function body, so that the next `if` is not
  // indented as if the first one guarded it.
  code.emit(kOutdent);
  code.emit(kIndent | 1, "if (i_look_ahead == -1 || i_skip)");
  code.emit(1, "i_next_token();");
  code.emit(kOutdent);
  write_reserved_cases(code, epilogue_candidates(automaton));
}

}  // namespace

void write_char_condition(CodeWriter& code, const StateSet& chars) {
  bool first = true;
  int code_point = chars.next();
  while (code_point >= 0 && code_point <= kHighestConditionCode) {
    int last = code_point;
    while (last < kHighestConditionCode && chars.contains(last + 1)) ++last;
    if (!first) code.emit(0, " || ");
    first = false;
    const std::string low = c_char_literal(code_point);
    const std::string high = c_char_literal(last);
    if (last - code_point >= 2) {
      code.emit(0, "(i_ch >= %s ", low.c_str());
      code.emit(0, "&& i_ch <= %s)", high.c_str());
    } else if (last > code_point) {
      code.emit(0, "i_ch == %s ", low.c_str());
      code.emit(0, "|| i_ch == %s", high.c_str());
    } else {
      code.emit(0, "i_ch == %s", low.c_str());
    }
    code_point = chars.next(last + 1);
  }
}

void write_next_token(CodeWriter& code, const Dfa& automaton) {
  code.emit(2, "/* The parser calls i_next_token() to get a look ahead */");
  code.emit(1, "void i_next_token(void)");
  code.emit(kIndent | 1, "{");
  code.emit(1, "integer\ti_state= 0;");
  code.emit(1, "boolean\ti_skip= false;");
  code.emit(2, "boolean\ti_verify= false;");
  code.emit(1, "i_retract= false;");
  code.emit(1, "i_look_ahead= -1;");
  code.emit(1, "i_init_lexeme();");
  write_loop(code, automaton);
  write_epilogue(code, automaton);
  code.emit(kOutdent | 1, "}");
}

}  // namespace zedra
