// Long options of the generators' command lines ("--graph", "--graph=nfa",
// "--output-dir DIR"). They may stand anywhere among the positional
// arguments; they are taken out before the positional arguments are read,
// so a generator sees the command line it always saw. Only the names a
// generator knows are taken: every other argument, "--" words included,
// stays where it stood. A lone "--" ends the options and is taken out:
// the words behind it stay positional, whatever they look like.
#pragma once

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
  // of `names` is an option, every other argument stays positional. A NAME
  // of `valued` takes its value also from the next argument
  // ("--output-dir DIR"), and so does the short form "-S VALUE" for a
  // pair {S, NAME} of `short_forms` ("-d DIR").
  struct ShortForm {
    char letter;
    std::string_view name;
  };
  CommandLine(int argc, char** argv, const std::vector<std::string_view>& names,
              const std::vector<std::string_view>& valued = {},
              const std::vector<ShortForm>& short_forms = {});

  // The program path and the positional arguments, as argc and argv.
  int argc() const { return static_cast<int>(arguments_.size()) - 1; }
  char** argv() { return arguments_.data(); }
  char* const* argv() const { return arguments_.data(); }

  // The index in argv() of the first positional argument that stood behind
  // "--", or argc() when there was none: the ones before it may be
  // mistyped options.
  int first_operand() const { return first_operand_; }

  // The last option called `name`, or nothing when it was not given.
  std::optional<LongOption> option(std::string_view name) const;

 private:
  std::vector<char*> arguments_;  // ends with a null pointer, like argv
  std::vector<LongOption> options_;
  int first_operand_ = 0;
};

}  // namespace zedra
