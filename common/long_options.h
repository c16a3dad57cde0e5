// Long options of the generators' command lines ("--graph", "--graph=nfa").
// They may stand anywhere among the positional arguments; they are taken
// out before the positional arguments are read, so a generator sees the
// command line it always saw. Only the names a generator knows are taken:
// every other argument, "--" words included, stays where it stood.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zedra {

struct LongOption {
  std::string name;                  // without the leading "--"
  std::optional<std::string> value;  // the text after "=", when given
};

class CommandLine {
 public:
  // Splits `argv`: an argument "--NAME" or "--NAME=VALUE" whose NAME is one
  // of `names` is an option, every other argument stays positional.
  CommandLine(int argc, char** argv, std::initializer_list<std::string_view> names);

  // The program path and the positional arguments, as argc and argv.
  int argc() const { return static_cast<int>(arguments_.size()) - 1; }
  char** argv() { return arguments_.data(); }

  // The last option called `name`, or nothing when it was not given.
  std::optional<LongOption> option(std::string_view name) const;

 private:
  std::vector<char*> arguments_;  // ends with a null pointer, like argv
  std::vector<LongOption> options_;
};

}  // namespace zedra
