// The KAM stack machine: evaluation and return stacks, the display, and an
// address space of segments. step() is the reference meaning of every
// instruction; run() adds a pre-decoded fast loop for untraced execution
// that hands every unusual case back to step().
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <vector>

#include "messages.h"
#include "program.h"
#include "trace.h"

namespace kam {

inline constexpr int stack_size = 100;
inline constexpr int level_count = 16;  // display levels 0..15
inline constexpr int max_level = 15;
inline constexpr int header_words = 4;

enum class RunEnd {
  Stopped,        // halt, or a run-time error (see the reporter's count)
  Quit,           // the user answered Q while stepping
  NoTerminal,     // interactive stepping could not open the terminal
  OutOfBudget,    // the instruction budget ran out
};

class Machine {
 public:
  Machine(Program program, Reporter& reporter, Tracer& tracer, std::FILE* in, std::FILE* out);

  void set_input(std::FILE* in) { in_ = in; }
  void set_output(std::FILE* out) { out_ = out; }
  // The address space never grows beyond this many words ("not enough memory").
  void set_memory_limit(std::size_t words) { memory_limit_ = words; }

  // Executes the instruction at IC; false when the machine stops.
  bool step();

  // Runs until the machine stops. With trace flags, tracing is switched on
  // from the first instruction when start <= 1, else once IC reaches start.
  // budget bounds the instructions executed (loops are counted at jumps).
  RunEnd run(std::uint32_t trace_flags, int start, long long budget = LLONG_MAX);

  // Reports a message at the source line of the instruction at IC.
  void report(Msg msg, std::initializer_list<MsgArg> args = {});

  int ic() const { return ic_; }
  int csn() const { return csn_; }
  std::int32_t display(int level) const { return display_[static_cast<std::size_t>(level)]; }
  std::span<const std::int32_t> stack() const { return {stack_.data(), static_cast<std::size_t>(sp_)}; }
  std::span<const std::int32_t> memory() const { return mem_; }
  const Program& program() const { return program_; }

 private:
  // One entry of the pre-decoded program; op is a FastOp (fast_ops.h).
  // The variables it uses are checked once per layout version; slot holds
  // their checked addresses while version equals layout_version_.
  struct FastInstruction {
    std::uint8_t op = 0;
    std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    int target = 0;
    std::uint64_t version = 0;
    std::uint32_t slot[3] = {0, 0, 0};
  };
  enum class FastEnd { Stopped, Trap, OutOfBudget };

  bool execute(const Instruction& instruction);
  bool execute_control(const Instruction& instruction);
  bool execute_memory(const Instruction& instruction);
  bool execute_io(const Instruction& instruction);
  bool binary(int op);
  bool unary(int op);
  bool divide(int op);

  bool push(std::int32_t value);
  bool pop(std::int32_t& value);
  bool pop_word_count(std::int64_t sn, std::int64_t dpl, std::int64_t& count, bool& whole_array);

  std::optional<std::int64_t> var_address(std::int64_t sn, std::int64_t dpl);
  bool getmemr(std::int64_t sn, std::int64_t dpl, std::int32_t& value);
  bool putmemr(std::int64_t sn, std::int64_t dpl, std::int32_t value);
  bool getmema(std::int64_t address, std::int32_t& value);
  bool putmema(std::int32_t value, std::int64_t address);
  bool ixdpl(std::int64_t sn, std::int64_t dpl, std::int64_t& displacement);
  bool ixdpl_bounds(std::int32_t dimensions, std::int64_t& total);
  bool ixdpl_descriptor(std::int64_t sn, std::int64_t dpl, std::int64_t& total);
  bool label(std::int64_t number, int& target);

  bool crseg(std::int64_t sn, std::int64_t index);
  bool dlseg();
  bool restore_display(std::int32_t dyn, std::int32_t own_address);
  bool descr(std::int64_t sn, std::int64_t dpl, std::int64_t dimensions);
  bool grow(std::int64_t words, const char* who);
  bool is_last_segment(std::int64_t address);
  void trace_segment();

  bool compare_n(std::int64_t sn, std::int64_t dpl, bool negate);
  bool block_start(std::int64_t sn, std::int64_t dpl, std::int64_t& count, std::int64_t& start);
  bool ldnvar(std::int64_t sn, std::int64_t dpl);
  bool stnvar(std::int64_t sn, std::int64_t dpl);
  bool popn(std::int64_t sn, std::int64_t dpl);

  void read_input_line(std::string& line);
  bool rdstring();
  bool write(int op);

  void decode(int trap_index);
  FastEnd run_fast(long long& budget);
  bool fast_variable(std::int32_t sn, std::int32_t dpl, bool store, std::uint32_t& address) const;
  bool validate(FastInstruction& instruction) const;

  // Every change that can make a checked variable address invalid (display,
  // segment lengths and headers, the size of the address space) moves the
  // layout version on.
  void layout_changed() { ++layout_version_; }
  void stored(std::size_t address) {
    if (header_map_[address] != 0) layout_changed();
  }

  Program program_;
  Reporter& reporter_;
  Tracer& tracer_;
  std::FILE* in_;
  std::FILE* out_;
  std::size_t memory_limit_ = std::size_t{1} << 26;

  std::array<std::int32_t, stack_size> stack_{};
  int sp_ = 0;
  std::array<std::int32_t, stack_size> return_stack_{};
  int rsp_ = 0;
  int ic_ = 0;
  int next_ic_ = 0;
  std::array<std::int32_t, level_count> display_{};
  int csn_ = 0;
  std::vector<std::int32_t> mem_;
  std::vector<std::uint8_t> header_map_;  // 1 for each segment header word
  std::uint64_t layout_version_ = 1;
  std::vector<FastInstruction> fast_;
};

}  // namespace kam
