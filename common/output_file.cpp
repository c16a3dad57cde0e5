#include "output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "diagnostics.h"
#include "files.h"
#include "replacing_file.h"

namespace zedra {

void report_write_failure(Diagnostics& diagnostics, const std::string& name, int error) {
  diagnostics.report(Msg::FileNotWritable, name);
  diagnostics.report(Msg::FreeText, "  (%s)", std::strerror(error));
}

bool refuse_overwriting_kept(Diagnostics& diagnostics, const std::string& name) {
  const std::string keeper = diagnostics.keeper_of(name);
  if (keeper.empty()) return false;
  diagnostics.report(Msg::FileNotWritable, name);
  diagnostics.report(Msg::FreeText, "  (it is %s)", keeper.c_str());
  return true;
}

bool open_reported(Diagnostics& diagnostics, ReplacingFile& file, const std::string& name) {
  if (refuse_overwriting_kept(diagnostics, name)) return false;
  const int error = file.open(name);
  if (error != 0) report_write_failure(diagnostics, name, error);
  return error == 0;
}

bool commit_reported(Diagnostics& diagnostics, ReplacingFile& file, const std::string& name) {
  const int error = file.commit();
  if (error != 0) report_write_failure(diagnostics, name, error);
  return error == 0;
}

bool write_generated_text(Diagnostics& diagnostics, const std::string& name, std::string_view text) {
  const std::string path = diagnostics.output_path(name);
  ReplacingFile file;
  if (!open_reported(diagnostics, file, path)) return false;
  std::fwrite(text.data(), 1, text.size(), file.stream());
  if (!commit_reported(diagnostics, file, path)) return false;
  diagnostics.report(Msg::GeneratedFile, path);
  return true;
}

bool standard_output_ok(const char* program) {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  const int error = errno ? errno : EIO;
  std::fprintf(stderr, "%s: cannot write standard output (%s)\n", program, std::strerror(error));
  return false;
}

}  // namespace zedra
