// Fuzz target of the KAM loader and machine: the input is loaded as KAM
// code text and, when it loads without errors, run twice on the machine
// with a small instruction budget: once on the fast path and once fully
// traced, which takes the reference path of every instruction. When the
// traced run stops within the budget, the fast run must have stopped as
// well, with the same output and the same messages; a difference ends the
// process like a crash, so that the fuzzer keeps the input.
//
// The bytes behind the first NUL byte are the program's input (what rdint,
// rdchar and the other read instructions read); without a NUL byte the
// input is empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_target.h"
#include "loader.h"
#include "machine.h"
#include "memory_stream.h"
#include "opcodes.h"

namespace {

using zedra::fuzz::InputStream;
using zedra::fuzz::OutputStream;

constexpr long long kBudget = 5000;  // instructions per run
// The address space of both runs. Small, because the segment trace prints
// a whole segment at every store into it: with a large array (the sieve of
// the test programs) one traced run would print gigabytes. Running out of
// memory is one more path both runs must agree on.
constexpr std::size_t kMemoryWords = std::size_t{1} << 12;

struct RunResult {
  kam::RunEnd end = kam::RunEnd::Stopped;
  std::string output;
  std::string messages;
};

RunResult run(kam::Program program, std::string_view input, std::uint32_t trace_flags) {
  InputStream in(input);
  OutputStream out;
  OutputStream messages;
  OutputStream trace;
  kam::Reporter reporter(messages.file());
  reporter.set_file("fuzz.kam");
  kam::Tracer tracer(trace.file(), messages.file());
  kam::Machine machine(std::move(program), reporter, tracer, in.file(), out.file());
  machine.set_memory_limit(kMemoryWords);
  RunResult result;
  result.end = machine.run(trace_flags, 1, kBudget);
  result.output = out.text();
  result.messages = messages.text();
  return result;
}

[[noreturn]] void runs_differ(const char* what, const std::string& fast, const std::string& traced) {
  std::fprintf(stderr, "kam target: the fast and the traced run differ in their %s\n", what);
  std::fprintf(stderr, "--- fast run:\n%s\n--- traced run:\n%s\n", fast.c_str(), traced.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = bytes.find('\0');
  const std::string_view code = bytes.substr(0, nul);
  const std::string_view input = nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1);

  kam::Program program;
  {
    InputStream source(code);
    OutputStream messages;
    kam::Reporter reporter(messages.file());
    reporter.set_file("fuzz.kam");
    kam::load_program(source.file(), program, reporter);
    if (reporter.count() != 0) return 0;
  }

  // Interactive stepping would wait for a terminal; every other trace class
  // is switched on.
  const RunResult traced = run(program, input, kam::trace_all & ~kam::TraceInteractive);
  const RunResult fast = run(std::move(program), input, 0);
  if (traced.end != kam::RunEnd::Stopped) return 0;
  if (fast.end != kam::RunEnd::Stopped) runs_differ("end", "out of budget", "stopped");
  if (fast.output != traced.output) runs_differ("output", fast.output, traced.output);
  if (fast.messages != traced.messages) runs_differ("messages", fast.messages, traced.messages);
  return 0;
}
