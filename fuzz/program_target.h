// What the fuzz targets of whole programs share: the main function of pgen,
// sgen or a generated compiler run in-process on a file written from the
// input into a private scratch folder, with its screen output quietened
// (quiet_output.h). The generators' installation directory ($KOSTAL) points
// at an empty folder of its own, so that no include file of the machine is
// ever read.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "scratch_folder.h"

namespace zedra::fuzz {

// A main function: run_pgen, run_sgen, a generated compiler's main.
using ProgramMain = int (*)(int argc, char** argv);

// A file of one run: its name in the run folder and its contents.
using InputFile = std::pair<std::string_view, std::string_view>;

class ProgramTarget {
 public:
  // `program` is argv[0] of every run and names the scratch folder.
  ProgramTarget(std::string_view program, ProgramMain main);

  // Empties the run folder, writes `files` into it and runs the program
  // there on the first of them. The exit status counts the errors in the
  // input; every status is a proper end, so it is not looked at.
  void run(std::initializer_list<InputFile> files);

 private:
  std::string program_;
  ProgramMain main_;
  ScratchFolder scratch_;
};

}  // namespace zedra::fuzz
