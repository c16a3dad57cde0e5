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
#include "word_space.h"

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
  std::span<const std::int32_t> memory() const { return mem_.span(); }
  const Program& program() const { return program_; }

 private:
  // One entry of the pre-decoded program; op is a FastOp (fast_ops.h), which
  // may stand for several instructions. It runs only while need <= SP <=
  // need + span, so that no push or pop of its instructions can fail; v
  // holds the operands of its instructions in their order (a variable is
  // two words: segment number and displacement).
  struct FastInstruction {
    static constexpr int operands = 10;
    std::uint8_t op = 0;
    std::uint8_t need = 0;
    std::uint8_t span = 0;
    std::uint8_t count = 0;    // of the parameters a fused call stores; 1 for a loop step
                               // and test of one variable
    bool tests = false;  // a kept call that does the test of its parameter too
    // A crseg whose parameter stores all go into the new segment, within
    // its length: where they cannot fail once the crseg has succeeded.
    bool fresh_stores = false;
    std::int32_t target = 0;
    std::int32_t v[operands] = {};
    std::int32_t back = 0;  // the return address a call pushes
    const void* handler = nullptr;  // op's code in the fast loop, set when it starts
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

  struct Decoder;  // fast_decode.cpp
  void decode(int trap_index);
  FastEnd run_fast(long long& budget);
  [[gnu::always_inline]] inline std::uint32_t fast_crseg(std::int32_t sn, std::int32_t length);
  [[gnu::noinline]] std::uint32_t fast_crseg_other(std::int32_t sn, std::int32_t length);
  [[gnu::always_inline]] inline bool kept_call(const std::int32_t* crseg, std::uint32_t& base);
  bool caller_kept(std::int32_t sn, std::int32_t dyn) const;
  bool keeps(std::int32_t sn, std::int32_t length, std::int32_t stat, std::int32_t dyn) const;
  std::uint32_t kept_crseg(std::int32_t sn, std::int32_t length, std::int32_t stat,
                           std::int32_t dyn);
  // Inlined into each of their few callers in the fast loop, where they
  // are hot; the less common cases are out of line.
  [[gnu::always_inline]] inline bool fast_dlseg();
  [[gnu::noinline]] bool fast_dlseg_other();

  // Variable (sn, dpl) is the word window_base_[sn] + dpl when 0 <= dpl <
  // window_limit_[sn]: the segment check of var_address, worked out once
  // per level. Every change of the display, of a segment length or of the
  // size of the address space marks the layout changed; the fast loop
  // works the windows out again before it goes on.
  void refresh_window(int level);
  // Sets the window of a level; a store within it needs no check of its
  // own when no word of it is a segment header. set_segment_window is for
  // a segment just appended, whose data words are all its window.
  void set_window(std::size_t level, std::uint32_t base, std::uint32_t limit);
  void set_segment_window(std::size_t level, std::uint32_t base, std::uint32_t length);
  bool header_free(std::uint32_t base, std::uint32_t limit) const;
  std::uint64_t window_end(int level) const {
    const auto at = static_cast<std::size_t>(level);
    return std::uint64_t{window_base_[at]} + window_limit_[at];
  }
  void refresh_windows();
  void layout_changed() { layout_dirty_ = true; }
  void stored(std::size_t address) {
    if (!mem_.is_header(address)) return;
    headers_intact_ = false;
    layout_changed();
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
  WordSpace mem_;
  std::array<std::uint32_t, level_count> window_base_{};
  std::array<std::uint32_t, level_count> window_limit_{};
  // window_limit_ of a window without a segment header, else 0.
  std::array<std::uint32_t, level_count> window_store_limit_{};
  // No header word has been stored into, so that the address space is
  // segments one after the other, each its header and as many data words
  // as its length word says.
  bool headers_intact_ = true;
  // Levels whose window may change when the address space grows: their
  // segment lies at or beyond its end, or is cut short by it.
  std::uint32_t size_bound_levels_ = 0;
  int top_level_ = 0;  // no display entry above it has been set
  // No window of a level other than csn_ reaches beyond this word, so that
  // a dlseg back to a caller of the same level below it changes no other.
  std::uint64_t others_end_ = 0;
  std::size_t fast_room_ = 0;  // the size the fast crseg may grow to
  // The segments on top that the fast crseg created at the same level as
  // its caller and that the fast dlseg can undo without its checks (see
  // caller_kept); none once the layout changes otherwise.
  int kept_frames_ = 0;
  bool layout_dirty_ = true;
  std::vector<FastInstruction> fast_;
};

}  // namespace kam
