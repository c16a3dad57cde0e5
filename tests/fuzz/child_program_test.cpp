// The child runner of the differential fuzz target: a fault here (an exit
// read wrongly, a signal missed, output not captured) would hide a
// difference between the two shapes, so each is tried with a shell script.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/child_program.h"
#include "fuzz/scratch_folder.h"

namespace {

using zedra::fuzz::ChildEnd;
using zedra::fuzz::file_text;
using zedra::fuzz::run_child;
using zedra::fuzz::ScratchFolder;

// Runs the shell script `text` as the file "script" of a fresh folder.
ChildEnd run_script(ScratchFolder& scratch, const std::string& text) {
  scratch.clear();
  scratch.write("script", text);
  return run_child("/bin/sh", "named", "script", scratch.run_folder());
}

TEST(ChildProgram, CapturesOutputStatusAndFolder) {
  ScratchFolder scratch("child-test");
  const ChildEnd end = run_script(
      scratch, "echo \"$0 out\"; echo err >&2; cat; basename \"$(pwd)\" > where; exit 3\n");
  EXPECT_EQ(end.status, 3);
  EXPECT_EQ(end.signal, 0);
  // The script's name is its argument: sh gives it as $0. Standard input is
  // empty, so cat adds nothing.
  EXPECT_EQ(file_text(scratch.run_folder() / "stdout"), "script out\n");
  EXPECT_EQ(file_text(scratch.run_folder() / "stderr"), "err\n");
  EXPECT_EQ(file_text(scratch.run_folder() / "where"), "run\n");
}

TEST(ChildProgram, TellsASignalFromAnExit) {
  ScratchFolder scratch("child-test");
  const ChildEnd killed = run_script(scratch, "kill -TERM $$\n");
  EXPECT_EQ(killed.signal, SIGTERM);
  const ChildEnd exited = run_script(scratch, "exit 0\n");
  EXPECT_EQ(exited.signal, 0);
  EXPECT_EQ(exited.status, 0);
}

TEST(ChildProgram, AProgramThatCannotStartEndsWith127) {
  ScratchFolder scratch("child-test");
  const ChildEnd end = run_child("/nonexistent/program", "x", "y", scratch.run_folder());
  EXPECT_EQ(end.status, 127);
  EXPECT_EQ(end.signal, 0);
  EXPECT_EQ(file_text(scratch.run_folder() / "no such file"), "<missing>");
}

}  // namespace
