#include "generator_main.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "output_file.h"

namespace zedra {

namespace {

constexpr std::string_view kOutputDir = "output-dir";
constexpr std::string_view kNoTemplates = "no-templates";

}  // namespace

CommandLine split_generator_command_line(int argc, char** argv,
                                         std::initializer_list<std::string_view> long_options) {
  std::vector<std::string_view> names{kOutputDir, kNoTemplates};
  names.insert(names.end(), long_options.begin(), long_options.end());
  return CommandLine(argc, argv, names, {kOutputDir}, {{'d', kOutputDir}});
}

int report_out_of_memory(Diagnostics& diagnostics, const GeneratorIdentity& identity) {
  diagnostics.report(Msg::OutOfMemory, __LINE__, identity.module);
  return 1;
}

bool apply_generator_options(Diagnostics& diagnostics, const CommandLine& command_line) {
  if (const std::optional<LongOption> dir = command_line.option(kOutputDir)) {
    if (!dir->value || dir->value->empty()) {
      std::printf("The option --output-dir (-d) needs the name of a folder\n");
      return false;
    }
    std::error_code error;
    std::filesystem::create_directories(*dir->value, error);
    if (error) {
      std::printf("Cannot create the output folder '%s' (%s)\n", dir->value->c_str(),
                  error.message().c_str());
      return false;
    }
    diagnostics.set_output_directory(*dir->value);
  }
  if (command_line.option(kNoTemplates)) diagnostics.set_templates(false);
  return true;
}

int checked_exit_status(int status, const char* program) {
  if (standard_output_ok(program)) return status;
  return status != 0 ? status : 1;
}

}  // namespace zedra
