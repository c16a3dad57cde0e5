// Loading and running KAM text in-process for the unit tests.
#pragma once

#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "machine.h"
#include "program.h"

namespace kamtest {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A temporary file holding text, positioned at its start.
FilePtr file_with(const std::string& text);
// Everything written to a temporary file so far.
std::string contents(std::FILE* file);

struct Loaded {
  kam::Program program;
  int errors = 0;
  std::string messages;
};
Loaded load(const std::string& text);

struct Run {
  int load_errors = 0;
  int run_errors = 0;
  kam::RunEnd end = kam::RunEnd::Stopped;
  std::string out;       // the program's output
  std::string messages;  // loader and run-time messages
  std::string trace;     // trace lines, when a trace was wanted
  // The machine's state at the end: its address space, display and CSN.
  std::vector<std::int32_t> memory;
  std::vector<std::int32_t> display;
  int csn = 0;
};

struct RunSettings {
  std::string input;
  std::uint32_t trace_flags = 0;
  int start = 1;
  long long budget = LLONG_MAX;

  RunSettings with_input(std::string text) const {
    RunSettings copy = *this;
    copy.input = std::move(text);
    return copy;
  }
  RunSettings traced(std::uint32_t flags, int from = 1) const {
    RunSettings copy = *this;
    copy.trace_flags = flags;
    copy.start = from;
    return copy;
  }
  RunSettings with_budget(long long instructions) const {
    RunSettings copy = *this;
    copy.budget = instructions;
    return copy;
  }
};

// Loads text and, without load errors, runs it.
Run run(const std::string& text, const RunSettings& settings = {});

}  // namespace kamtest
