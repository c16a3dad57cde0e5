// The resolution pass: links every name that a declaration or a rule body
// mentions to the record it denotes, numbers the symbol occurrences of every
// rule and binds the arguments of action calls to the formal parameters.
#pragma once

#include <vector>

namespace zedra {

class ParserDeclarations;
struct ActionModule;
struct ParserAttribute;
struct ParserConstant;
struct Rule;

// The declarations that one resolution covers: those of one include file,
// or the specification's own (ROOT first).
struct ResolutionScope {
  std::vector<ParserConstant*> constants;
  std::vector<ActionModule*> modules;
  std::vector<ParserAttribute*> attributes;
  std::vector<Rule*> rules;
};

// The specification's own declarations.
ResolutionScope own_scope(ParserDeclarations& declarations);

// Resolves the declarations of `scope`; failures are reported (messages
// 35, 14, 15, 16, 20, 21, 24) and leave the reference unresolved.
void resolve_declarations(ParserDeclarations& declarations, const ResolutionScope& scope);

}  // namespace zedra
