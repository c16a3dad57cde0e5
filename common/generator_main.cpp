#include "generator_main.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "output_file.h"

namespace zedra {

namespace {

constexpr std::string_view kOutputDir = "output-dir";
constexpr std::string_view kNoTemplates = "no-templates";

// Whether `word` names a file, as given or with ".inp" behind it, as the
// specification is opened.
bool names_a_file(const std::string& word) {
  std::error_code error;
  return std::filesystem::exists(word, error) || std::filesystem::exists(word + ".inp", error);
}

// The first positional argument that looks like a long option but is none
// of this generator's and names no file: a mistyped option, which would
// otherwise be opened as the specification or taken for an action module.
const char* unknown_long_option(const CommandLine& command_line) {
  for (int i = 1; i < command_line.first_operand(); ++i) {
    const std::string word = command_line.argv()[i];
    if (word.size() > 2 && word.starts_with("--") && !names_a_file(word))
      return command_line.argv()[i];
  }
  return nullptr;
}

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
  if (const char* word = unknown_long_option(command_line)) {
    std::printf("Unknown option '%s' (see --help)\n", word);
    return false;
  }
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
