// The interpreter's message catalogue and its reporter: every loader and
// run-time message goes through Reporter::error, which counts it.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace kam {

// The interpreter's messages by number; the texts are declared with them
// in messages.def.
enum class Msg {
#define KAM_MESSAGE(number, name, text) name = number,
#include "messages.def"
};

using MsgArg = std::variant<long long, std::string_view>;

// The message text with its "%d" and "%s" filled from args in order.
std::string format_message(Msg msg, std::initializer_list<MsgArg> args);

class Reporter {
 public:
  explicit Reporter(std::FILE* err) : err_(err) {}

  void set_file(std::string name) { file_ = std::move(name); }
  const std::string& file() const { return file_; }

  // While the loader reads, the line read last (> 0); 0 afterwards.
  void set_load_line(int line) { load_line_ = line; }
  int load_line() const { return load_line_; }

  // At run time: the source line of the instruction at IC, 0 when unknown.
  void set_run_line(int line) { run_line_ = line; }

  void error(Msg msg, std::initializer_list<MsgArg> args = {});
  int count() const { return count_; }

 private:
  std::FILE* err_;
  std::string file_;
  int load_line_ = 0;
  int run_line_ = 0;
  int count_ = 0;
};

}  // namespace kam
