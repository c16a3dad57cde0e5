#include "generator_main.h"

namespace zedra {

int report_out_of_memory(Diagnostics& diagnostics, const GeneratorIdentity& identity) {
  diagnostics.report(Msg::OutOfMemory, __LINE__, identity.module);
  return 1;
}

}  // namespace zedra
