// The in-process program run of the pgen, sgen and MiniPas fuzz targets:
// the scratch folder, $KOSTAL, the silenced screen and the command line.
#include "program_target.h"

#include <stdlib.h>

#include <string>
#include <vector>

#include "quiet_output.h"

namespace zedra::fuzz {

ProgramTarget::ProgramTarget(std::string_view program, ProgramMain main)
    : program_(program), main_(main), scratch_(program) {
  ::setenv("KOSTAL", scratch_.install_folder().c_str(), 1);
  quiet_screen_output();
}

void ProgramTarget::run(std::initializer_list<InputFile> files) {
  if (files.size() == 0) return;
  scratch_.clear();
  for (const auto& [name, contents] : files) scratch_.write(name, contents);
  // A main function may write into its arguments.
  std::string program = program_;
  std::string file(files.begin()->first);
  std::vector<char*> argv{program.data(), file.data(), nullptr};
  {
    WorkingFolder inside(scratch_.run_folder());
    (void)main_(2, argv.data());
  }
  flush_screen_output();
}

}  // namespace zedra::fuzz
