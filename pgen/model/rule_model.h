// The parser rule model: rules with their right-hand sides as trees of
// groups, alternatives, items, secondaries and primaries, the action calls
// with their arguments, and the rules' locals. The reader builds the trees
// through the construction operations below, the declaration pass resolves
// the names in them, and the grammar analyses annotate and walk them.
// (Known in the design as the module `parsrule`.)
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "name_list.h"

namespace zedra {

struct TypeRecord;
struct Action;
struct FormalParameter;
struct ParserAttribute;
struct ParserConstant;
struct Group;
struct Rule;

// Tri-state values of the EMPTY analysis.
enum Tristate : int { kFalse = 0, kTrue = 1, kUndecided = 2 };

// Whether a rule can be reached from ROOT, set by the reduction test.
enum Reduction : int { kNeverReduced = 0, kUsedNotTraversed = 1, kReduced = 2 };
// Whether a rule, an alternative or a secondary can derive a finite phrase,
// set by the termination test; unknown until the test has reached it.
enum Termination : int { kTerminationUnknown = 0, kTerminates = 1, kEndless = 2 };

enum class PrimaryKind : int { Terminal = 0, Nonterminal = 1, Group = 2 };

struct Primary {
  PrimaryKind kind = PrimaryKind::Terminal;
  std::string name;              // terminals and nonterminals
  int line = 0;                  // where the name was written
  int number = 0;                // occurrence number after resolution
  const Rule* rule = nullptr;    // the nonterminal's rule after resolution
  std::unique_ptr<Group> group;  // nested group
  Tristate empty = kFalse;
  // Sets of the LL(1) analysis.
  NameList first, last, follow;
};

enum class SecondaryKind : int { Plain = 0, Option = 1, Seq = 2, Clos = 3, Chain = 4 };

// An operand with at most one postfix operator; operators nest by wrapping.
struct Secondary {
  SecondaryKind kind = SecondaryKind::Plain;
  std::unique_ptr<Primary> primary;      // Plain: the primary; Chain: the separator
  std::unique_ptr<Secondary> operand;    // Option, Seq, Clos, Chain: the wrapped secondary
  Tristate empty = kFalse;
  Termination termination = kTerminationUnknown;
  // Sets of the LL(1) analysis; `dirset` only for a CHAIN: the tokens on
  // which the chain loop continues.
  NameList first, last, follow, dirset;
};

enum class ArgumentKind : int {
  Unresolved = 0,
  Local = 1,
  Attribute = 2,
  Constant = 4,
  TypeValue = 5,
  Literal = 6,
};

struct Argument {
  ArgumentKind kind = ArgumentKind::Unresolved;
  std::string name;                            // as written (literals with quotes)
  std::string symbol;                          // "attr OF symbol": the symbol; else empty
  int number = 0;                              // instance number of the symbol
  const FormalParameter* formal = nullptr;     // bound parameter after resolution
  const ParserAttribute* attribute = nullptr;  // kind Attribute
  const ParserConstant* constant = nullptr;    // kind Constant
  const Rule* rule = nullptr;                  // symbol that is a nonterminal
  bool has_symbol() const { return !symbol.empty(); }
};

struct ActionCall {
  std::string name;
  const Action* action = nullptr;  // after resolution
  std::vector<Argument> arguments;
  int line = 0;
};

// One element of an alternative: a secondary or an action call.
struct Item {
  std::unique_ptr<Secondary> secondary;
  std::unique_ptr<ActionCall> call;
  bool is_call() const { return call != nullptr; }
};

using ItemList = std::vector<Item>;

struct Alternative {
  ItemList items;
  Tristate empty = kFalse;
  Termination termination = kTerminationUnknown;
  NameList first, last, follow, dirset;  // sets of the LL(1) analysis
};

struct Group {
  std::vector<Alternative> alternatives;
  NameList dirset;  // union of the alternatives' DIRSETs
};

struct Local {
  std::string name;
  std::string type_name;
  int line = 0;
  const TypeRecord* type = nullptr;
  bool used = false;
};

struct Rule {
  std::string name;
  int line = 0;       // where the name was written (ROOT: its start symbol)
  std::string start;  // ROOT only: the start nonterminal
  std::vector<Local> locals;
  std::unique_ptr<Group> body;
  Reduction reduction = kNeverReduced;
  Termination termination = kTerminationUnknown;
  Tristate empty = kFalse;
  NameList first, last, follow;  // sets of the LL(1) analysis
  int occurrences = 0;  // numbering counter while one rule is resolved

  const Local* find_local(const std::string& local_name) const;
  Local* find_local(const std::string& local_name);

 private:
  // The positions of the locals by name, the first of a name, for the
  // first indexed_ locals; a search enters those added since (a rule of
  // thousands of locals names them thousands of times).
  mutable std::unordered_map<std::string, std::size_t> local_index_;
  mutable std::size_t indexed_ = 0;
};

// The rules of one layer in declaration order. The specification's own list
// starts with the predefined rule ROOT.
struct RuleList {
  std::vector<std::unique_ptr<Rule>> rules;

  Rule* find(const std::string& name) const;
  Rule& append(std::string name);
};

// Construction operations used by the reader.

// A new item holding a plain secondary of `primary`, wrapped by the postfix
// operator `op` (Option, Seq or Clos; Plain for none).
Item make_secondary(std::unique_ptr<Primary> primary, SecondaryKind op);
std::unique_ptr<Primary> make_name_primary(std::string name, int line);
std::unique_ptr<Primary> make_group_primary(std::unique_ptr<Group> group);
// Wraps the first item's secondary in a CHAIN with `separator`.
void make_chain(ItemList& items, std::unique_ptr<Primary> separator);
// A CHAIN with the terminal "tListSep", then wrapped by `op`.
void make_list(ItemList& items, SecondaryKind op, int line);
// Encloses the items between "tPackLeft" and "tPackRight" (the latter
// wrapped by `op`).
void make_pack(ItemList& items, SecondaryKind op, int line);
Item make_call_item(std::unique_ptr<ActionCall> call);

// Gives a secondary's operator a name for listings ("OPTION", ...).
const char* secondary_keyword(SecondaryKind kind);

// Text of an attribute instance: "%s of %s#%d", or the short "%s of %s"
// for the rule's own instance (0) or the first occurrence of another
// symbol unless `always_number`.
std::string attribute_instance_text(const std::string& attribute, const std::string& symbol,
                                    int number, const std::string& current_rule,
                                    bool always_number);

}  // namespace zedra
