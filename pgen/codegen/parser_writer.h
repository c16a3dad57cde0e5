// The writer behind the parser generator: turns rule bodies into the C code
// of recursive descent. Every branch and loop tests the look-ahead token
// against a set of the LL(1) analysis; with error recovery every decision is
// also guarded by a skip over the input up to a marker token, and every
// failed decision reports and gives the missing attributes default values.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "code_writer.h"
#include "name_list.h"
#include "model/rule_model.h"

namespace zedra {

class ParserDeclarations;

class ParserWriter {
 public:
  ParserWriter(CodeWriter& code, const ParserDeclarations& declarations, bool error_recovery,
               bool fast = false);

  bool error_recovery() const { return error_recovery_; }
  // The fast shape: marker sets and token lists as bit masks, of one word
  // for at most 64 tokens (i_marker_bits, i_bit), else of wide_words()
  // words (i_wide_bits): for at most 128 tokens written as constants
  // (i_wbit), for more listed once and made into masks when the parse
  // starts (listed_sets()).
  bool bits() const { return bits_; }
  // The tokens: the terminals and i_EndOfFile.
  std::size_t token_count() const { return all_terminals_.size() + 1; }
  std::size_t wide_words() const { return wide_words_; }
  // The largest token set the bit masks of the fast shape hold in one
  // word, and written as constants in several.
  static constexpr std::size_t kMostBits = 64;
  static constexpr std::size_t kMostWideBits = 128;
  // The sets of the fast shape above kMostWideBits tokens, each once, in
  // the order of their first use: wide_set() writes "i_wsets[k]" for the
  // k-th. Each holds the tokens as the first use listed them.
  bool lists_sets() const { return bits_ && token_count() > kMostWideBits; }
  const std::vector<std::vector<std::string>>& listed_sets() const { return listed_sets_; }
  // The terminals of the specification and then of the include files, each
  // added in list order (so the set lists them in reverse).
  const NameList& all_terminals() const { return all_terminals_; }

  // A symbol with an attribute of either attribute list associated with it.
  bool has_attributes(const std::string& symbol) const;

  // `head` and ", t1, t2, ..., -1": the list of the tokens of `set` behind
  // the identifier that ends `head` ("i_delete_until(i_markers"), whose
  // column the continuation lines keep.
  void token_list(std::string_view head, const NameList& set);
  // The fast shape's form: `head` and " | i_bit(t1) | i_bit(t2) ...", or
  // with `first_bare` "i_bit(t1) | i_bit(t2) ..." behind `head`.
  void token_bits(std::string_view head, const NameList& set, bool first_bare = false);
  // The wide form of `set`: "(i_wide_bits){{i_wbit(t1, 0) | ..., ...}}",
  // or "i_wsets[k]" when the sets are listed.
  void wide_set(const NameList& set);
  // `head` ("(", ", " or a function's name and "(") and the caller's
  // markers with the tokens of `set` added, in either form of bit masks
  // (i_wider), or with listed sets the addresses of both masks.
  void markers_with(std::string_view head, const NameList& set);
  // With error recovery, when `context` is not within `target`: deletes
  // input up to a token of `target` or of the caller's markers.
  void skip(const NameList& context, const NameList& target);
  // "if (" or "while (" with the test of the look-ahead against `set`, then
  // ") {". An empty set gives "false", commented with the rule's name when
  // `rule_name` is given.
  void condition(const char* keyword, const NameList& set, const std::string* rule_name);

  // One "t_X v_nnX;" per attributed symbol occurrence of the group, in the
  // order in which the occurrences were numbered.
  void occurrence_variables(const Group& group);
  // Default values of the synthesised attributes of one symbol instance.
  void default_values(const std::string& symbol, int number);
  void action_call(const ActionCall& call);

  // The code of a group (parsgen_rules.cpp). `rule_name` is given for a
  // rule body and null for a nested group.
  void group(const Group& group, const std::string* rule_name, const NameList& context,
             const NameList& markers);

 private:
  void occurrence_variables(const Secondary& secondary);
  void argument(const Argument& argument);

  void items(const Alternative& alternative, const NameList& context, const NameList& markers);
  void secondary(const Secondary& secondary, const NameList& context, const NameList& markers);
  void repetition(const Secondary& secondary, const NameList& context, const NameList& markers);
  void chain(const Secondary& secondary, const NameList& context, const NameList& markers);
  void primary(const Primary& primary, const NameList& context, const NameList& markers);
  void terminal(const Primary& primary, const NameList& context, const NameList& markers);
  void end_of_file(const NameList& context, const NameList& markers);
  void nonterminal(const Primary& primary, const NameList& markers);
  void alternatives(const Group& group, const std::string* rule_name, const NameList& markers);
  void error_branch(const Group& group, const std::string* rule_name);
  void semantic_recovery(const Group& group, const std::string* rule_name);
  void replay_alternative(const Alternative& alternative);
  void replay_secondary(const Secondary& secondary);
  // Without recovery: the report of a token that is none of `expected`,
  // which ends the parse.
  void syntax_error(const NameList& expected);
  // The index of `set` among the listed sets, added when new.
  std::size_t listed_set(const NameList& set);

  CodeWriter& code_;
  const ParserDeclarations& declarations_;
  bool error_recovery_;
  bool bits_;
  std::size_t wide_words_;
  NameList all_terminals_;
  std::unordered_set<std::string> attributed_symbols_;
  std::vector<std::vector<std::string>> listed_sets_;
  // The index in listed_sets_ of every set, by the addresses of its tokens
  // in the table of names, sorted.
  std::unordered_map<std::string, std::size_t> listed_index_;
};

}  // namespace zedra
