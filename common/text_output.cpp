#include "text_output.h"

#include <cstdio>

#include "diagnostics.h"
#include "files.h"

namespace zedra {

namespace {

constexpr int kMsgCannotWrite = 32;

}  // namespace

bool write_generated_text(Diagnostics& diagnostics, const std::string& name, std::string_view text) {
  FilePtr file = open_file(diagnostics, name, "w");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
  const bool closed = std::fclose(file.release()) == 0;
  if (!written || !closed) {
    diagnostics.report(kMsgCannotWrite, name);
    return false;
  }
  diagnostics.report(kMsgGeneratedFile, name);
  return true;
}

}  // namespace zedra
