#include "long_options.h"

#include <algorithm>

namespace zedra {

namespace {

// The option that `argument` spells with one of `names`, if any.
std::optional<LongOption> as_option(std::string_view argument, const std::vector<std::string_view>& names) {
  if (!argument.starts_with("--")) return std::nullopt;
  argument.remove_prefix(2);
  const std::size_t equals = argument.find('=');
  const std::string_view name = argument.substr(0, equals);
  if (std::find(names.begin(), names.end(), name) == names.end()) return std::nullopt;
  LongOption option{std::string(name), std::nullopt};
  if (equals != std::string_view::npos) option.value = std::string(argument.substr(equals + 1));
  return option;
}

// The option that `argument` spells with the short form of a name.
std::optional<LongOption> as_short_option(std::string_view argument,
                                          const std::vector<CommandLine::ShortForm>& forms) {
  if (argument.size() != 2 || argument[0] != '-') return std::nullopt;
  for (const CommandLine::ShortForm& form : forms)
    if (form.letter == argument[1]) return LongOption{std::string(form.name), std::nullopt};
  return std::nullopt;
}

}  // namespace

CommandLine::CommandLine(int argc, char** argv, const std::vector<std::string_view>& names,
                         const std::vector<std::string_view>& valued,
                         const std::vector<ShortForm>& short_forms) {
  bool options_ended = false;
  for (int i = 0; i < argc; ++i) {
    // "--" ends the options: every later word is positional, also one that
    // starts with "-" (a file "-x.inp").
    if (i > 0 && !options_ended && std::string_view(argv[i]) == "--") {
      options_ended = true;
      first_operand_ = static_cast<int>(arguments_.size());
      continue;
    }
    std::optional<LongOption> option;
    if (i > 0 && !options_ended) option = as_option(argv[i], names);
    if (i > 0 && !options_ended && !option) option = as_short_option(argv[i], short_forms);
    if (!option) {
      arguments_.push_back(argv[i]);
      continue;
    }
    const bool takes_next = std::find(valued.begin(), valued.end(), option->name) != valued.end();
    if (takes_next && !option->value && i + 1 < argc) option->value = argv[++i];
    options_.push_back(std::move(*option));
  }
  if (!options_ended) first_operand_ = static_cast<int>(arguments_.size());
  arguments_.push_back(nullptr);
}

std::optional<LongOption> CommandLine::option(std::string_view name) const {
  for (auto it = options_.rbegin(); it != options_.rend(); ++it)
    if (it->name == name) return *it;
  return std::nullopt;
}

}  // namespace zedra
