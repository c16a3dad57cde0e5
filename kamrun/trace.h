// Trace output of the interpreter and the interactive stepping mode.
// Trace lines go to the program's output stream; the stepping prompt and
// the terminal are separate from it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>

#include "opcodes.h"
#include "program.h"

namespace kam {

// Thrown out of a wait when the user answers Q: the run ends at once.
struct QuitRequest {};
// Thrown when the terminal for interactive stepping cannot be opened.
struct TerminalUnavailable {};

class Tracer {
 public:
  // terminal: the device interactive stepping reads from.
  Tracer(std::FILE* out, std::FILE* err, const char* terminal = "/dev/tty")
      : out_(out), err_(err), terminal_name_(terminal) {}

  void set_output(std::FILE* out) { out_ = out; }
  // Opens the terminal of interactive stepping ahead of the run, so that a
  // missing one is found before any instruction executes; false when it
  // cannot be opened (errno tells why).
  bool open_terminal();
  const char* terminal_name() const { return terminal_name_; }
  void enable(std::uint32_t flags) { flags_ = flags; }
  std::uint32_t flags() const { return flags_; }
  bool wants(std::uint32_t bits) const { return (flags_ & bits) != 0; }

  // The line of an instruction before it executes (not for call/return_).
  void instruction(int ic, const Instruction& instruction);
  // "IC: call\tL " and, when the label is known, "(goto ic: T)\n".
  void call(int ic, int label, std::optional<int> target);
  void return_(int ic, std::optional<int> target);
  // stack holds the words after the push or pop, bottom first.
  void push(std::int32_t value, std::span<const std::int32_t> stack);
  void pop(std::int32_t value, std::span<const std::int32_t> stack);
  void segment(std::int32_t sn, std::int32_t stat, std::int32_t dyn,
               std::span<const std::int32_t> data);

 private:
  void stack_line(const char* what, std::int32_t value, std::span<const std::int32_t> stack);
  void wait();

  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  std::FILE* out_;
  std::FILE* err_;
  const char* terminal_name_;
  std::unique_ptr<std::FILE, FileCloser> terminal_;
  bool prompted_ = false;  // "Hit Enter ..." was written
  std::uint32_t flags_ = 0;
};

}  // namespace kam
