// Parser constants: names with a type that action calls can pass.
// (Known in the design as the module `parscon`.)
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zedra {

struct TypeRecord;

struct ParserConstant {
  const std::string* name = nullptr;  // the symbol table's copy
  std::string type_name;
  int line = 0;
  const TypeRecord* type = nullptr;
};

using ConstantList = std::vector<std::unique_ptr<ParserConstant>>;

// The first constant of that name in `own`, then in `imported`.
const ParserConstant* find_constant(const ConstantList& own, const ConstantList& imported,
                                    const std::string& name);

}  // namespace zedra
