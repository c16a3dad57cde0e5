#include "model/parser_constants.h"

namespace zedra {

const ParserConstant* find_constant(const ConstantList& own, const ConstantList& imported,
                                    const std::string& name) {
  for (const ConstantList* list : {&own, &imported})
    for (const auto& constant : *list)
      if (*constant->name == name) return constant.get();
  return nullptr;
}

}  // namespace zedra
