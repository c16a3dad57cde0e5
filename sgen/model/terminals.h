// Terminals of the scanner specification: the terminals of SYMBOLS and
// KEYWORDS with their literal representations, and the terminals of RULES
// defined by regular expressions, each with its attribute assignments.
// The order of the terminal list is the order of the token codes.
// (Known in the design as the module `scanrule`.)
#pragma once

#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/record_list.h"

namespace zedra {

class Diagnostics;
struct ScannerAction;
struct ScannerAttribute;
struct TypeValue;

// One "attribute = value" initialisation; the value is a type value or a
// call "name()" of a conversion action. The texts are kept until the
// resolution pass replaces them by references.
struct AttributeAssignment {
  std::string attribute_name;
  std::string value_text;
  int line = 0;
  const ScannerAttribute* attribute = nullptr;  // after resolution
  const TypeValue* type_value = nullptr;        // after resolution, a plain value
  const ScannerAction* action = nullptr;        // after resolution, a call
};
// In the reverse order of writing.
using AssignmentList = std::vector<AttributeAssignment>;

// An initialisation as the reader meets it.
struct Initialisation {
  std::string attribute;
  std::string value;
  int line = 0;
};
// In the order of writing.
using Initialisations = std::vector<Initialisation>;

// Builds an assignment list (reverse order of writing) from initialisations.
AssignmentList make_assignments(const Initialisations& initialisations);

struct Representation {
  std::string text;
  bool is_symbol = true;  // declared in SYMBOLS (true) or KEYWORDS (false)
  AssignmentList assignments;
};

enum class TerminalKind : int { Plain = 0, Skip = 1, Verify = 2 };

struct Terminal {
  const std::string* name = nullptr;  // the symbol table's copy
  int line = 0;
  TerminalKind kind = TerminalKind::Plain;
  const ScannerAction* reserved_action = nullptr;
  std::list<Representation> representations;
  AssignmentList own_assignments;  // a RULES terminal's assignments
  // The representation read most recently; its list is the terminal's.
  const Representation* latest = nullptr;

  // The terminal's assignment list: that of its most recently read
  // representation, or its own when it has no representations.
  const AssignmentList& assignments() const;
  bool has_representations() const { return !representations.empty(); }
  // Whether its rule looks its lexemes up among the keywords (VERIFY, or
  // RESERVED with a conversion).
  bool looks_up_keywords() const {
    return kind == TerminalKind::Verify || reserved_action != nullptr;
  }
};

using TerminalList = std::list<Terminal>;

// Whether some terminal's rule looks keywords up.
bool some_terminal_looks_up_keywords(const TerminalList& terminals);

class TerminalTable {
 public:
  TerminalTable(Diagnostics& diagnostics, SymbolTable& symbols)
      : diagnostics_(diagnostics), terminals_(symbols) {}

  // Enters the name and inserts a plain terminal after the current one; it
  // becomes current, with no current representation. False when the name
  // was not entered (Msg::DuplicateName, IllegalName or ReservedWord).
  bool terminal_new(std::string_view name);
  // Makes an existing terminal current again, with its first representation
  // as the current representation.
  void continue_terminal(Terminal& terminal);
  // Adds a representation to the current terminal (Msg::DuplicateRhs when any
  // terminal has one with exactly this text); null when dropped.
  Representation* add_representation(std::string text, bool is_symbol,
                                     AssignmentList assignments);
  // Exact comparison; null for an empty or unknown name.
  Terminal* terminal_find(std::string_view name);
  const Terminal* terminal_find(std::string_view name) const;
  // The terminal that already has the representation `text`, or null.
  const Terminal* find_representation(std::string_view text) const;

  Terminal* current() { return terminals_.current(); }
  const TerminalList& list() const { return terminals_.records(); }
  TerminalList& list() { return terminals_.records(); }
  bool has_keywords() const;

  // Frees the terminals with their representations and assignments; their
  // names leave the symbol table. sgen has no predefined terminals, so `all`
  // frees nothing more.
  void release(bool all);

 private:
  Diagnostics& diagnostics_;
  RecordList<Terminal> terminals_;
  // The current terminal's representation after which the next one goes.
  std::list<Representation>::iterator current_representation_{};
  bool has_current_representation_ = false;
  // The terminal of every representation, for the duplicate test.
  std::unordered_map<std::string, const Terminal*> owners_;
};

}  // namespace zedra
