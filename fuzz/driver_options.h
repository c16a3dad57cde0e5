// The command line of the standalone driver (standalone_main.cpp), in the
// style of libFuzzer's: options "-name=value" and paths of input files or
// folders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zedra::fuzz {

struct DriverOptions {
  double seconds = 0;      // -seconds: how long to run mutated inputs
  std::uint64_t runs = 0;  // -runs: how many mutated inputs at most (0: no bound)
  std::uint64_t seed = 1;  // -seed: of the mutations
  std::string dictionary;  // -dict: a libFuzzer dictionary
  unsigned timeout = 20;   // -timeout: seconds one input may take
  std::size_t max_length = 16384;  // -max_len: of a mutated input
  std::string keep;        // -keep: where the input of a failed run goes
  std::vector<std::string> paths;
};

inline constexpr const char* kDriverUsage =
    "usage: fuzz_<target> [-seconds=S] [-runs=N] [-seed=N] [-dict=FILE] [-timeout=S]\n"
    "                     [-max_len=N] [-keep=FILE] PATH...\n";

// The options of the command line; a bad one ends the program with the
// usage and status 2.
DriverOptions parse_driver_options(int argc, char** argv);

// The files of the paths: a file as it is, a folder's files recursively in
// sorted order, names starting with '.' left out. A path that is neither
// ends the program with status 2.
std::vector<std::filesystem::path> input_files(const std::vector<std::string>& paths);

}  // namespace zedra::fuzz
