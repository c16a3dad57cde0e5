// Differential fuzz target of the two shapes of a generated compiler: the
// example compiler MiniPas of the default shape (`minipas`) and of the fast
// shape (`fast/minipas`, sgen --fast and pgen --fast) must do exactly the
// same on every source program: the same exit status, standard output and
// error, listing and KAM code. Both run as fresh processes of the build
// (their actions keep tables in static variables, which only a new process
// resets), each in a scratch folder of its own, under the same name. The
// fast shape also runs in-process first, built from the same generated
// sources, so that the fuzzer's coverage follows its scanner and parser.
// A difference, or a process ended by a signal, aborts with both outputs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include <unistd.h>

#include "child_program.h"
#include "fuzz_target.h"
#include "program_target.h"
#include "scratch_folder.h"

extern "C" int minipas_main(int ac, char** av);

namespace {

using zedra::fuzz::ChildEnd;
using zedra::fuzz::ScratchFolder;

// The files of one run that the two shapes must agree on.
constexpr const char* kOutputs[] = {"stdout", "stderr", "prog.lst", "prog.kam"};

// One shape: its program, run on prog.pas in its own scratch folder.
struct Shape {
  const char* label;
  std::string program;
  ScratchFolder scratch;

  ChildEnd run(std::string_view source) {
    scratch.clear();
    scratch.write("prog.pas", source);
    return zedra::fuzz::run_child(program, "minipas", "prog.pas", scratch.run_folder());
  }
  std::string output(const char* name) const {
    return zedra::fuzz::file_text(scratch.run_folder() / name);
  }
};

[[noreturn]] void report(const Shape& a, const ChildEnd& a_end, const Shape& b,
                         const ChildEnd& b_end, const char* what) {
  std::fprintf(stderr, "%s\n", what);
  for (const auto& [shape, end] : {std::pair{&a, a_end}, std::pair{&b, b_end}}) {
    std::fprintf(stderr, "== %s: status %d, signal %d\n", shape->label, end.status, end.signal);
    for (const char* name : kOutputs)
      std::fprintf(stderr, "-- %s\n%s\n", name, shape->output(name).c_str());
  }
  std::fflush(stderr);
  std::abort();
}

// A program that cannot be run would make both shapes fail alike, and
// every input would pass: that ends the target at once.
const char* runnable(const char* program) {
  if (::access(program, X_OK) != 0) {
    std::fprintf(stderr, "the program %s cannot be run\n", program);
    std::fflush(stderr);
    std::abort();
  }
  return program;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zedra::fuzz::ProgramTarget in_process("minipas", minipas_main);
  static Shape default_shape{"default shape", runnable(ZEDRA_DEFAULT_SHAPE),
                             ScratchFolder("shape-default")};
  static Shape fast_shape{"fast shape", runnable(ZEDRA_FAST_SHAPE), ScratchFolder("shape-fast")};
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  in_process.run({{"prog.pas", source}});
  const ChildEnd default_end = default_shape.run(source);
  const ChildEnd fast_end = fast_shape.run(source);
  const auto fail = [&](const std::string& what) {
    report(default_shape, default_end, fast_shape, fast_end, what.c_str());
  };
  if (default_end.signal || fast_end.signal) fail("a process was ended by a signal");
  if (default_end.status != fast_end.status) fail("the shapes differ in their exit status");
  for (const char* name : kOutputs)
    if (default_shape.output(name) != fast_shape.output(name))
      fail(std::string("the shapes differ in ") + name);
  return 0;
}
