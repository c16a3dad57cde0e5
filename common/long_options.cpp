#include "long_options.h"

#include <algorithm>

namespace zedra {

namespace {

// The option that `argument` spells with one of `names`, if any.
std::optional<LongOption> as_option(std::string_view argument, std::initializer_list<std::string_view> names) {
  if (!argument.starts_with("--")) return std::nullopt;
  argument.remove_prefix(2);
  const std::size_t equals = argument.find('=');
  const std::string_view name = argument.substr(0, equals);
  if (std::find(names.begin(), names.end(), name) == names.end()) return std::nullopt;
  LongOption option{std::string(name), std::nullopt};
  if (equals != std::string_view::npos) option.value = std::string(argument.substr(equals + 1));
  return option;
}

}  // namespace

CommandLine::CommandLine(int argc, char** argv, std::initializer_list<std::string_view> names) {
  for (int i = 0; i < argc; ++i) {
    std::optional<LongOption> option = i > 0 ? as_option(argv[i], names) : std::nullopt;
    if (option)
      options_.push_back(std::move(*option));
    else
      arguments_.push_back(argv[i]);
  }
  arguments_.push_back(nullptr);
}

std::optional<LongOption> CommandLine::option(std::string_view name) const {
  for (auto it = options_.rbegin(); it != options_.rend(); ++it)
    if (it->name == name) return *it;
  return std::nullopt;
}

}  // namespace zedra
