// The scanning function of the fast shape (sgen --fast). The default
// scanning function stays in the file as i_scan_default; i_next_token walks
// the same minimal automaton with a label per state, a pointer into the
// input buffer and a table of byte classes, and hands a token to
// i_scan_default from its first character whenever anything unusual
// happens (scanpars_fast.c of the runtime says what). Skipped tokens go
// round the loop without touching the runtime; a kept token is handed over
// in the state the default scanner leaves, and the work of the default
// epilogue follows for its terminal.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "code_writer.h"
#include "codegen/accept_flags.h"
#include "codegen/fast_automaton.h"
#include "codegen/fast_keywords.h"
#include "codegen/scanner_generator.h"
#include "model/conversion_actions.h"
#include "model/terminals.h"

namespace zedra {

namespace {

constexpr int kRetractLabels = 3;  // flags 0, skip, verify; both together never accept
constexpr int kMaskBits = 64;      // classes that fit one mask of a word
// More keywords than this are looked up in the runtime's table: the text of
// a function of them would take the C compiler longer than it saves.
constexpr std::size_t kMostKeywordsInFunction = 1000;

// Where a state goes when no transition takes the byte read.
struct Exit {
  enum class Kind { Slow, Accept, Retract } kind = Kind::Slow;
  const Terminal* terminal = nullptr;  // Accept
  unsigned flags = 0;                  // Retract
};

// A run of bytes that the start state leads into a state which accepts a
// skipped token and goes on only to itself, on the same bytes (blanks, as a
// rule): the scanner skips such a run in one loop before it looks at the
// byte behind it, and the state has no label of its own.
struct SkipRun {
  const Terminal* terminal = nullptr;  // the skipped token, none without a run
  unsigned long long classes = 0;      // its bytes' classes, one bit each
  bool lines = false;                  // it may hold line ends
};

// What the states need, found before anything is written, so that every
// label and variable written is used. `fast` is the automaton without the
// state of the skip run and the start's transition into it.
struct FastPlan {
  FastAutomaton fast;
  SkipRun run;
  std::set<int> targeted;              // states entered by a transition
  std::vector<Exit> exits;             // per state, in the order of fast.states
  bool retract_used[kRetractLabels] = {false, false, false};
  std::vector<const Terminal*> accepts;  // accept labels in use, in fast.accepted order
  bool keeps = false;                  // some accept hands a token over
  // Whether the keywords are few enough for a function of their own
  // (i_fast_keyword), whose text grows with their number; else the
  // runtime's table serves.
  bool keyword_function = true;
};

bool is_pure_skip(const Terminal& terminal) { return accept_flags(terminal) == kSkipFlag; }

// The flags the default scanner has in `state` when they are the same on
// every way there, else -1.
int certain_flags(const FastState& state) {
  for (int flags = 0; flags < 4; ++flags)
    if (state.flag_sets == 1u << flags) return flags;
  return -1;
}

Exit exit_of(const FastState& state) {
  Exit exit;
  const int flags = certain_flags(state);
  if (state.number == 0 || flags < 0) return exit;
  if (state.terminal) {
    if (static_cast<unsigned>(flags) == accept_flags(*state.terminal)) {
      exit.kind = Exit::Kind::Accept;
      exit.terminal = state.terminal;
    }
    return exit;
  }
  if (flags < kRetractLabels) {
    exit.kind = Exit::Kind::Retract;
    exit.flags = static_cast<unsigned>(flags);
  }
  return exit;
}

// The classes of the bytes of `chars` not yet taken by an earlier
// transition of the state.
std::vector<int> classes_of(const FastAutomaton& fast, const StateSet& chars, std::set<int>& taken) {
  std::vector<int> classes;
  for (int number = 0; number < fast.class_count; ++number) {
    const int byte = fast.classes[static_cast<std::size_t>(number)].next(0);
    if (byte < 0 || !chars.contains(byte) || taken.count(number)) continue;
    taken.insert(number);
    classes.push_back(number);
  }
  return classes;
}

// Whether `number` is entered from no state but the start and itself.
bool entered_from_start_only(const FastAutomaton& fast, int number) {
  for (const FastState& state : fast.states)
    if (state.number != 0 && state.number != number)
      for (const Transition& transition : state.transitions)
        if (transition.target == number) return false;
  return true;
}

// The start's transition into the state of a skip run, if it has one.
const Transition* skip_run_entry(const FastAutomaton& fast) {
  if (fast.class_count > kMaskBits || fast.states.empty() || fast.states.front().number != 0) return nullptr;
  for (const Transition& entry : fast.states.front().transitions) {
    const FastState* state = fast.state(entry.target);
    if (!state || state->final() || !state->terminal || !is_pure_skip(*state->terminal)) continue;
    const Exit exit = exit_of(*state);
    if (exit.kind != Exit::Kind::Accept || state->transitions.size() != 1) continue;
    const Transition& loop = state->transitions.front();
    if (loop.target == state->number && loop.chars == entry.chars && !entry.chars.contains(0) &&
        entered_from_start_only(fast, state->number))
      return &entry;
  }
  return nullptr;
}

// Takes the skip run, if any, out of the automaton into the plan.
void take_skip_run(FastPlan& plan) {
  const Transition* entry = skip_run_entry(plan.fast);
  if (!entry) return;
  const int number = entry->target;
  plan.run.terminal = plan.fast.state(number)->terminal;
  std::set<int> taken;
  for (const int class_number : classes_of(plan.fast, entry->chars, taken))
    plan.run.classes |= 1ull << class_number;
  plan.run.lines = entry->chars.contains('\n');
  std::vector<Transition>& start = plan.fast.states.front().transitions;
  start.erase(start.begin() + (entry - start.data()));
  std::erase_if(plan.fast.states, [number](const FastState& state) { return state.number == number; });
}

FastPlan plan_fast_scanner(const FastAutomaton& analysed, std::size_t keywords) {
  FastPlan plan{analysed, {}, {}, {}, {}, {}, false};
  plan.keyword_function = keywords <= kMostKeywordsInFunction;
  take_skip_run(plan);
  const FastAutomaton& fast = plan.fast;
  std::set<const Terminal*> accepted;
  for (const FastState& state : fast.states) {
    for (const Transition& transition : state.transitions) plan.targeted.insert(transition.target);
    const Exit exit = exit_of(state);
    plan.exits.push_back(exit);
    if (exit.kind == Exit::Kind::Accept) accepted.insert(exit.terminal);
    if (exit.kind == Exit::Kind::Retract) {
      plan.retract_used[exit.flags] = true;
      for (const Terminal* terminal : fast.accepted)
        if (accept_flags(*terminal) == exit.flags) accepted.insert(terminal);
    }
  }
  for (const Terminal* terminal : fast.accepted)
    if (accepted.count(terminal)) {
      plan.accepts.push_back(terminal);
      if (!is_pure_skip(*terminal)) plan.keeps = true;
    }
  return plan;
}

bool retracts(const FastPlan& plan) {
  for (const bool used : plan.retract_used)
    if (used) return true;
  return false;
}

void write_class_table(CodeWriter& code, const FastAutomaton& fast) {
  code.line("/* The classes of the input bytes: every state treats the bytes of one");
  code.line("   class alike. */");
  code.blank_lines(1);
  code.open_block("static const unsigned char i_fast_class[256]= {");
  for (std::size_t byte = 0; byte < fast.byte_class.size(); ++byte)
    code.emit(byte + 1 < fast.byte_class.size() ? "%d, " : "%d", fast.byte_class[byte]);
  code.end_line();
  code.close_block("};");
  code.blank_lines(1);
}

// The way out of a state; after a byte was read, a token ends only when
// that byte was no NUL behind the text read and the token is not too long.
void write_exit(CodeWriter& code, const Exit& exit, bool read) {
  if (read && exit.kind != Exit::Kind::Slow) {
    code.open_block("if (i_fast_overrun(i_start, i_p, i_read_end))");
    code.line("goto i_slow;");
    code.outdent();
  }
  switch (exit.kind) {
    case Exit::Kind::Slow:
      code.line("goto i_slow;");
      break;
    case Exit::Kind::Accept:
      code.line("goto i_accept_%s;", exit.terminal->name->c_str());
      break;
    case Exit::Kind::Retract:
      code.line("goto i_retract_%u;", exit.flags);
      break;
  }
}

// The state that a NUL leads to, or -1; its class is tested apart, after
// the others, because a NUL may be the one behind the text read.
int nul_target(const FastState& state) {
  for (const Transition& transition : state.transitions)
    if (transition.chars.contains(0)) return transition.target;
  return -1;
}

// The classes of a transition but the NUL's.
std::vector<int> classes_but_nul(const FastAutomaton& fast, const StateSet& chars, std::set<int>& taken) {
  std::vector<int> classes = classes_of(fast, chars, taken);
  std::erase(classes, kNulClass);
  return classes;
}

// A state with few transitions tests the class against one bit mask per
// transition (classes numbered below 64); the others switch on the class.
constexpr std::size_t kMostMaskTests = 3;

bool tests_masks(const FastPlan& plan, const FastState& state) {
  return plan.fast.class_count <= kMaskBits && state.transitions.size() <= kMostMaskTests;
}

void write_mask_tests(CodeWriter& code, const FastPlan& plan, const FastState& state) {
  code.line("i_c= i_fast_class[*i_p++];");
  std::set<int> taken;
  for (const Transition& transition : state.transitions) {
    const std::vector<int> classes = classes_but_nul(plan.fast, transition.chars, taken);
    if (classes.empty()) continue;
    unsigned long long mask = 0;
    for (const int number : classes) mask |= 1ull << number;
    code.open_block("if ((" + c_word_constant(mask) + " >> i_c) & 1)");
    code.line("goto i_s%d;", transition.target);
    code.outdent();
  }
  if (const int target = nul_target(state); target >= 0) {
    code.open_block("if (i_c == " + std::to_string(kNulClass) + " && i_p <= i_read_end)");
    code.line("goto i_s%d;", target);
    code.outdent();
  }
}

void write_transitions(CodeWriter& code, const FastPlan& plan, const FastState& state) {
  if (tests_masks(plan, state)) {
    write_mask_tests(code, plan, state);
    return;
  }
  code.open_block("switch (i_fast_class[*i_p++]) {");
  std::set<int> taken;
  for (const Transition& transition : state.transitions) {
    const std::vector<int> classes = classes_but_nul(plan.fast, transition.chars, taken);
    if (classes.empty()) continue;
    for (std::size_t i = 0; i < classes.size(); ++i)
      code.emit(i + 1 < classes.size() ? "case %d: " : "case %d:", classes[i]);
    code.end_line();
    code.indent();
    code.line("goto i_s%d;", transition.target);
    code.outdent();
  }
  if (const int target = nul_target(state); target >= 0) {
    code.open_block("case " + std::to_string(kNulClass) + ":");
    code.open_block("if (i_p <= i_read_end)");
    code.line("goto i_s%d;", target);
    code.outdent();
    code.line("break;");
    code.outdent();
  }
  code.close_block("}");
}

void write_state(CodeWriter& code, const FastPlan& plan, const FastState& state, const Exit& exit) {
  code.outdent();
  if (plan.targeted.count(state.number)) code.line("i_s%d:", state.number);
  code.indent();
  const bool ends = !plan.accepts.empty();
  if (state.terminal && !state.final()) {
    if (ends) code.line("i_end= i_p;");
    if (retracts(plan)) code.line("i_token= %s;", state.terminal->name->c_str());
  }
  if (state.final()) {
    // The byte after the token is its look-ahead, not read here.
    code.open_block("if (i_fast_overrun(i_start, i_p + 1, i_read_end))");
    code.line("goto i_slow;");
    code.outdent();
    code.line(ends ? "i_end= i_p++;" : "i_p++;");
    if (exit.kind == Exit::Kind::Accept && !is_pure_skip(*exit.terminal)) code.line("i_final= true;");
  } else {
    write_transitions(code, plan, state);
  }
  write_exit(code, exit, !state.final());
}

void write_retract(CodeWriter& code, const FastPlan& plan, unsigned flags) {
  code.outdent();
  code.line("i_retract_%u:", flags);
  code.indent();
  code.open_block("switch (i_token) {");
  for (const Terminal* terminal : plan.fast.accepted)
    if (accept_flags(*terminal) == flags) {
      code.open_block("case " + *terminal->name + ":");
      code.line("goto i_accept_%s;", terminal->name->c_str());
      code.outdent();
    }
  code.close_block("}");
  code.line("goto i_slow;");
}

// The lookup of a reserved terminal's lexeme: with convert_to_lower the
// runtime's lookups in lower case (without a pass over the lexeme when it
// cannot hold a NUL, so that its cut is its length; cheaper still when it
// holds only letters and digits), else the action's call.
// `lexeme_of` is the terminal whose lexeme is looked up: the token kept, or
// none behind VERIFY, where any terminal's lexeme may stand.
std::string reserved_lookup(const FastPlan& plan, const Terminal& terminal,
                            const Terminal* lexeme_of) {
  const ScannerAction& action = *terminal.reserved_action;
  if (action.module && action.module->name == "cgl" && *action.name == "convert_to_lower") {
    if (!lexeme_of || plan.fast.may_hold_nul(lexeme_of)) return "i_lookup_lower(i_lexeme)";
    return plan.keyword_function && plan.fast.holds_only_alphanumerics(lexeme_of)
               ? "i_fast_keyword()"
               : "i_fast_lookup_lower()";
  }
  return "i_lookup(" + *action.name + "(i_lexeme))";
}

void write_reserved_lookup(CodeWriter& code, const FastPlan& plan, const Terminal& terminal,
                           const Terminal* lexeme_of) {
  const std::string lookup = reserved_lookup(plan, terminal, lexeme_of);
  if (!terminal.assignments().empty()) {
    code.line("%s;", lookup.c_str());
    return;
  }
  code.open_block("if (!" + lookup + ")");
  code.line("i_report(i_ENOKEYW, i_lexeme);");
  code.outdent();
}

// After VERIFY the look-ahead is what the keyword table says: the cases of
// the default epilogue.
void write_reserved_switch(CodeWriter& code, const FastPlan& plan, const Dfa& automaton) {
  bool opened = false;
  for (const Terminal* terminal : epilogue_candidates(automaton)) {
    if (terminal->kind != TerminalKind::Plain) continue;
    if (!opened) code.open_block("switch (i_look_ahead) {");
    opened = true;
    code.open_block("case " + *terminal->name + ":");
    write_reserved_lookup(code, plan, *terminal, nullptr);
    code.line("break;");
    code.outdent();
  }
  if (!opened) return;
  code.open_block("default:");
  code.line("/* do nothing */;");
  code.outdent();
  code.close_block("}");
}

void write_accept(CodeWriter& code, const FastPlan& plan, const Dfa& automaton, const Terminal& terminal) {
  const char* name = terminal.name->c_str();
  const bool lines = plan.fast.may_hold_line_end(&terminal);
  code.outdent();
  code.line("i_accept_%s:", name);
  code.indent();
  if (is_pure_skip(terminal)) {
    if (lines) code.line("i_fast_skipped_lines(i_start, i_end);");
    code.line("i_p= i_end;");
    code.line("goto i_next;");
    return;
  }
  code.line("i_fast_keep(i_start, i_end, i_p, %s, i_final, %s);", name, lines ? "true" : "false");
  if (terminal.kind == TerminalKind::Verify) {
    code.open_block("if (!i_lookup(i_lexeme))");
    code.line("i_report(i_ENOKEYW, i_lexeme);");
    code.outdent();
    write_reserved_switch(code, plan, automaton);
  } else if (terminal.reserved_action) {
    write_reserved_lookup(code, plan, terminal, &terminal);
  }
  code.line("return;");
}

bool any_mask_tests(const FastPlan& plan) {
  for (const FastState& state : plan.fast.states)
    if (!state.final() && tests_masks(plan, state)) return true;
  return false;
}

void write_declarations(CodeWriter& code, const FastPlan& plan) {
  code.line("const unsigned char *i_start, *i_p, *i_read_end;");
  if (any_mask_tests(plan)) code.line("unsigned i_c;");
  // Every path to an accept sets i_end; some compilers cannot see that
  // through the retract switch and warn, hence the NULL.
  if (!plan.accepts.empty()) code.line("const unsigned char *i_end= NULL;");
  if (retracts(plan)) code.line("int i_token;");
  if (plan.keeps) code.line("boolean i_final;");
  code.blank_lines(1);
}

// The skip run: its token keeps no lexeme and has no longest length, so it
// may stop at the NUL behind the text read; the default scanner then takes
// the input on from there. Line ends are counted as they are passed.
void write_skip_run(CodeWriter& code, const FastPlan& plan) {
  if (!plan.run.terminal) return;
  code.line("/* %s, skipped in one loop */", plan.run.terminal->name->c_str());
  code.open_block("while ((" + c_word_constant(plan.run.classes) + " >> i_fast_class[*i_p]) & 1) {");
  if (plan.run.lines) {
    code.open_block("if (*i_p == '\\n')");
    code.line("i_fast_line_end(i_p);");
    code.outdent();
  }
  code.line("i_p++;");
  code.close_block("}");
}

void write_fast_function(CodeWriter& code, const FastPlan& plan, const Dfa& automaton) {
  code.line("/* The parser calls i_next_token() to get a look ahead; the default");
  code.line("   scanner above scans every token that this one gives up. */");
  code.blank_lines(1);
  code.line("i_fast_entry void i_next_token(void)");
  code.open_block("{");
  write_declarations(code, plan);
  code.open_block("if (!(i_p= i_fast_begin())) {");
  code.line("i_scan_default();");
  code.line("return;");
  code.close_block("}");
  code.line("i_read_end= i_fast_end();");
  // A skipped token's accept goes round again.
  if (std::any_of(plan.accepts.begin(), plan.accepts.end(),
                  [](const Terminal* terminal) { return is_pure_skip(*terminal); })) {
    code.outdent();
    code.line("i_next:");
    code.indent();
  }
  write_skip_run(code, plan);
  code.line("i_start= i_p;");
  if (retracts(plan)) code.line("i_token= -1;");
  if (plan.keeps) code.line("i_final= false;");
  for (std::size_t i = 0; i < plan.fast.states.size(); ++i)
    write_state(code, plan, plan.fast.states[i], plan.exits[i]);
  for (unsigned flags = 0; flags < kRetractLabels; ++flags)
    if (plan.retract_used[flags]) write_retract(code, plan, flags);
  for (const Terminal* terminal : plan.accepts) write_accept(code, plan, automaton, *terminal);
  code.outdent();
  code.line("i_slow:");
  code.indent();
  code.line("i_fast_fallback(i_start);");
  code.line("i_scan_default();");
  code.close_block("}");
}

// Whether a kept token is told from the keywords by i_fast_keyword.
bool looks_up_keywords(const FastPlan& plan) {
  for (const Terminal* terminal : plan.accepts)
    if (!is_pure_skip(*terminal) && terminal->kind != TerminalKind::Verify &&
        terminal->reserved_action &&
        reserved_lookup(plan, *terminal, terminal) == "i_fast_keyword()")
      return true;
  return false;
}

}  // namespace

void write_fast_next_token(CodeWriter& code, const Dfa& automaton,
                           const std::vector<KeywordPair>& keywords) {
  write_scanning_function(code, automaton,
                          "The scanner of the default shape: i_next_token below gives it every"
                          " token it does not scan itself",
                          "static void i_scan_default(void)");
  code.blank_lines(1);
  const FastAutomaton fast = analyse_fast_automaton(automaton);
  const FastPlan plan = plan_fast_scanner(fast, keywords.size());
  write_class_table(code, fast);
  if (looks_up_keywords(plan)) write_fast_keyword_function(code, keywords);
  write_fast_function(code, plan, automaton);
}

}  // namespace zedra
