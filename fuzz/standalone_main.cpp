// The standalone driver of the fuzz targets, linked in place of libFuzzer
// in the ordinary build, so that the test suite compiles the targets and
// runs them without clang (options: driver_options.h):
//
// Every file named, and every file below every folder named, is run once;
// then inputs made by blind mutation of those files (with the dictionary's
// words) are run for -seconds or -runs, whichever ends first, from the
// fixed -seed. A failed run leaves its input in the -keep file
// (input_keeper.h). The summary goes to standard output; standard error is
// the targets'.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary.h"
#include "driver_options.h"
#include "fuzz_target.h"
#include "input_keeper.h"
#include "mutator.h"

namespace {

using Clock = std::chrono::steady_clock;
using zedra::fuzz::DriverOptions;

std::string file_bytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

class Runner {
 public:
  // Runs one input the way libFuzzer does: from a buffer of exactly its
  // size, so that a read past the end is caught by AddressSanitizer.
  void run(const std::string& input) {
    auto buffer = std::make_unique<std::uint8_t[]>(input.size());
    std::memcpy(buffer.get(), input.data(), input.size());
    const Clock::time_point start = Clock::now();
    zedra::fuzz::begin_run(buffer.get(), input.size());
    LLVMFuzzerTestOneInput(buffer.get(), input.size());
    zedra::fuzz::end_run();
    slowest_ = std::max(slowest_, Clock::now() - start);
    ++count_;
  }

  std::uint64_t count() const { return count_; }
  double slowest_ms() const { return std::chrono::duration<double, std::milli>(slowest_).count(); }

 private:
  std::uint64_t count_ = 0;
  Clock::duration slowest_{};
};

// Standard output as it was before the first target silenced it.
std::FILE* report_stream() {
  const int fd = ::dup(STDOUT_FILENO);
  std::FILE* stream = fd >= 0 ? ::fdopen(fd, "w") : nullptr;
  return stream ? stream : stderr;
}

}  // namespace

int main(int argc, char** argv) {
  const DriverOptions options = zedra::fuzz::parse_driver_options(argc, argv);
  std::FILE* report = report_stream();
  zedra::fuzz::install_input_keeper(options.keep, options.timeout, ::fileno(report));
  std::vector<std::string> dictionary;
  if (!options.dictionary.empty() && !zedra::fuzz::read_dictionary(options.dictionary, dictionary))
    return 2;

  Runner runner;
  std::vector<std::string> pool;
  for (const auto& file : zedra::fuzz::input_files(options.paths)) {
    pool.push_back(file_bytes(file));
    runner.run(pool.back());
  }
  const std::uint64_t from_files = runner.count();
  const std::size_t seeds = pool.size();
  if (pool.empty()) pool.emplace_back();

  // Some mutated inputs join the pool, so that edits can pile up; the pool
  // stays bounded by replacing earlier mutated inputs, never the files.
  constexpr std::size_t kPoolLimit = 4096;
  zedra::fuzz::Mutator mutator(options.seed, std::move(dictionary), options.max_length);
  const Clock::time_point start = Clock::now();
  const auto limit = std::chrono::duration<double>(options.seconds);
  const bool bounded = options.runs != 0 || options.seconds > 0;
  std::uint64_t mutated = 0;
  while (bounded && (options.runs == 0 || mutated < options.runs) &&
         (options.seconds <= 0 || Clock::now() - start < limit)) {
    const std::string& base = pool[mutator.below(pool.size())];
    const std::string& other = pool[mutator.below(pool.size())];
    std::string input = mutator.mutate(base, other);
    runner.run(input);
    ++mutated;
    if (mutator.below(8) == 0) {
      if (pool.size() < kPoolLimit) pool.push_back(std::move(input));
      else if (pool.size() > seeds) pool[seeds + mutator.below(pool.size() - seeds)] = std::move(input);
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::fprintf(report, "%s: %llu inputs from files, %llu mutated inputs in %.1f s (seed %llu); slowest input %.1f ms\n",
               std::filesystem::path(argv[0]).filename().c_str(), static_cast<unsigned long long>(from_files),
               static_cast<unsigned long long>(mutated), seconds, static_cast<unsigned long long>(options.seed),
               runner.slowest_ms());
  std::fflush(report);
  return 0;
}
